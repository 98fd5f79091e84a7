#pragma once

#include <windows.h>

// mingw-w64's HID header declares the hid.dll functions without C linkage.
extern "C" {
#include <hidsdi.h>
}

namespace corvalith {

// hid.dll, loaded at its first use from the system folder only, so that a hid.dll placed beside the
// program is never the one that runs. The functions are null when the library could not be loaded.
class HidLibrary {
public:
    static const HidLibrary& Get();

    decltype(&HidD_GetHidGuid) GetHidGuid = nullptr;
    decltype(&HidD_GetAttributes) GetAttributes = nullptr;
    decltype(&HidD_GetPreparsedData) GetPreparsedData = nullptr;
    decltype(&HidD_FreePreparsedData) FreePreparsedData = nullptr;
    decltype(&HidP_GetCaps) GetCaps = nullptr;
    decltype(&HidD_SetFeature) SetFeature = nullptr;
    decltype(&HidD_GetFeature) GetFeature = nullptr;

    bool Loaded() const { return module_ != nullptr && GetHidGuid != nullptr; }

private:
    HidLibrary();

    HMODULE module_ = nullptr;
};

} // namespace corvalith
