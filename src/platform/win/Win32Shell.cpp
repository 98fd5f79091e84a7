#include "platform/win/Win32Shell.h"

#include "platform/win/WideString.h"

#include <windows.h>

#include <shellapi.h>

namespace corvalith {

namespace {

// ShellExecuteW answers a value above 32 when it succeeded.
bool Succeeded(HINSTANCE result) {
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace

bool Win32Shell::OpenWebPage(const std::string& address) {
    return Succeeded(ShellExecuteW(nullptr, L"open", WideString::FromUtf8(address).c_str(), nullptr, nullptr,
                                   SW_SHOWNORMAL));
}

bool Win32Shell::StartProgram(const std::string& path) {
    return Succeeded(
        ShellExecuteW(nullptr, nullptr, WideString::FromUtf8(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
}

} // namespace corvalith
