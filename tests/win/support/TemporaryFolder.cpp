#include "win/support/TemporaryFolder.h"

#include "platform/win/WideString.h"

#include <windows.h>

#include <shellapi.h>

namespace corvalith::test {

TemporaryFolder::TemporaryFolder() {
    static int count = 0;
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    path_ = WideString::ToUtf8(base) + "corvalith-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(GetTickCount64()) + "-" + std::to_string(++count) + "\\";
    CreateDirectoryW(WideString::FromUtf8(path_).c_str(), nullptr);
}

TemporaryFolder::~TemporaryFolder() {
    std::wstring from = WideString::FromUtf8(path_.substr(0, path_.size() - 1));
    from.push_back(L'\0'); // the shell wants a double-terminated list
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationW(&operation);
}

} // namespace corvalith::test
