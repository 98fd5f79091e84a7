#include "platform/win/Win32DataFolderLocator.h"

#include "platform/win/WideString.h"

#include <windows.h>

#include <shlobj.h>

namespace corvalith {

std::string Win32DataFolderLocator::DataFolder() {
    wchar_t folder[MAX_PATH] = {};
    // CSIDL_APPDATA with CSIDL_FLAG_CREATE (0x801A).
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                                folder))) {
        return {};
    }
    return WideString::ToUtf8(folder) + "\\Corvalith\\";
}

} // namespace corvalith
