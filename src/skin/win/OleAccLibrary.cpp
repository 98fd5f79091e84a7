#include "skin/win/OleAccLibrary.h"

namespace corvalith {

namespace {

template <typename Function> void Take(HMODULE module, const char* name, Function& function) {
    if (module != nullptr) {
        function = reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
    }
}

} // namespace

OleAccLibrary::OleAccLibrary() {
    const HMODULE oleacc = ::LoadLibraryExW(L"oleacc.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const HMODULE oleaut = ::LoadLibraryExW(L"oleaut32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    Take(oleacc, "LresultFromObject", LresultFromObject);
    Take(oleacc, "CreateStdAccessibleObject", CreateStdAccessibleObject);
    Take(oleaut, "SysAllocString", SysAllocString);
}

const OleAccLibrary& OleAccLibrary::Get() {
    static const OleAccLibrary library;
    return library;
}

} // namespace corvalith
