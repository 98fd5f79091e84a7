// corvalith-cli on Windows: HID through the Setup API and hid.dll, arguments taken as UTF-16.
#include "cli/CliApp.h"
#include "platform/win/SystemLibraries.h"
#include "platform/win/WideString.h"
#include "platform/win/Win32Clock.h"
#include "platform/win/Win32FileSystem.h"
#include "platform/win/Win32HidSystem.h"

#include <windows.h>

#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <iostream>

int main() {
    using namespace corvalith;
    SystemLibraries::LoadFromSystemFolderOnly();
    // Arguments as UTF-8, whatever the console's code page.
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide != nullptr && i < count; ++i) {
        arguments.push_back(WideString::ToUtf8(wide[i]));
    }
    LocalFree(wide);
    Win32FileSystem files;
    Win32Clock clock;
    // What the mouse holds after the last apply: %LOCALAPPDATA%\Corvalith\.
    std::string stateFile;
    wchar_t local[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", local, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        stateFile = WideString::ToUtf8(local) + "\\Corvalith\\mouse-state.bin";
    }
    CliApp app({[] { return std::unique_ptr<IHidSystem>(std::make_unique<Win32HidSystem>()); }, clock, files,
                std::cout, std::cerr, _isatty(_fileno(stdout)) != 0, stateFile});
    return app.Run(arguments);
}
