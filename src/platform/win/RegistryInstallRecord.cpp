#include "platform/win/RegistryInstallRecord.h"

#include "platform/win/WideString.h"

#include <string>
#include <windows.h>

namespace corvalith {

namespace {

void SetString(HKEY key, const wchar_t* name, const std::wstring& value) {
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

} // namespace

bool RegistryInstallRecord::IsNewInstallation() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) {
        return true;
    }
    RegCloseKey(key);
    return false;
}

void RegistryInstallRecord::RecordInstallation(std::string_view liftOffAnswer) {
    if (!IsNewInstallation()) {
        return;
    }
    HKEY key = nullptr;
    if (RegCreateKeyW(HKEY_CURRENT_USER, key_.c_str(), &key) != ERROR_SUCCESS) {
        return;
    }
    SetString(key, L"IsNewInstalled", L"N");
    SetString(key, L"LOD-Switcher", WideString::FromUtf8(liftOffAnswer));
    RegCloseKey(key);
}

} // namespace corvalith
