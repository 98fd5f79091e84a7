#include "platform/win/HidLibrary.h"

namespace corvalith {

namespace {

template <typename Function> void Take(HMODULE module, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

} // namespace

HidLibrary::HidLibrary() : module_(::LoadLibraryExW(L"hid.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    if (module_ == nullptr) {
        return;
    }
    Take(module_, "HidD_GetHidGuid", GetHidGuid);
    Take(module_, "HidD_GetAttributes", GetAttributes);
    Take(module_, "HidD_GetPreparsedData", GetPreparsedData);
    Take(module_, "HidD_FreePreparsedData", FreePreparsedData);
    Take(module_, "HidP_GetCaps", GetCaps);
    Take(module_, "HidD_SetFeature", SetFeature);
    Take(module_, "HidD_GetFeature", GetFeature);
    if (GetHidGuid == nullptr || GetAttributes == nullptr || GetPreparsedData == nullptr ||
        FreePreparsedData == nullptr || GetCaps == nullptr || SetFeature == nullptr ||
        GetFeature == nullptr) {
        GetHidGuid = nullptr; // all or nothing: Loaded() says whether the functions can be called
    }
}

const HidLibrary& HidLibrary::Get() {
    static const HidLibrary library;
    return library;
}

} // namespace corvalith
