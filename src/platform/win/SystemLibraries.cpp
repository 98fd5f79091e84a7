#include "platform/win/SystemLibraries.h"

#include <windows.h>

namespace corvalith {

bool SystemLibraries::LoadFromSystemFolderOnly() {
    // The current folder leaves the search of libraries loaded by name, then everything but the system
    // folder does.
    const bool noCurrentFolder = ::SetDllDirectoryW(L"") != FALSE;
    return ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) != FALSE && noCurrentFolder;
}

} // namespace corvalith
