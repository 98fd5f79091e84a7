#pragma once

#include <windows.h>

#include <oleacc.h>

namespace corvalith {

// The system's accessibility library (oleacc.dll) and the string allocator of its answers (oleaut32.dll),
// loaded at their first use from the system folder only, so that no copy placed beside the program is the
// one that runs. The functions are null when a library could not be loaded.
class OleAccLibrary {
public:
    static const OleAccLibrary& Get();

    decltype(&::LresultFromObject) LresultFromObject = nullptr;
    decltype(&::CreateStdAccessibleObject) CreateStdAccessibleObject = nullptr;
    decltype(&::SysAllocString) SysAllocString = nullptr;

    bool Loaded() const {
        return LresultFromObject != nullptr && CreateStdAccessibleObject != nullptr &&
               SysAllocString != nullptr;
    }

private:
    OleAccLibrary();
};

} // namespace corvalith
