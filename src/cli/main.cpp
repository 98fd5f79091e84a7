// corvalith-cli: the command-line tool over the device link and the profile files.
#include "cli/CliApp.h"
#include "platform/SteadyClock.h"

#ifdef _WIN32
#include "platform/win32/WideString.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32HidSystem.h"
#include <windows.h>

#include <shellapi.h>
#else
#include "platform/posix/HidapiSystem.h"
#include "platform/posix/PosixFileSystem.h"
#endif

#include <iostream>

int main(int argc, char** argv) {
    using namespace corvalith;
    std::vector<std::string> arguments;
#ifdef _WIN32
    // Arguments as UTF-8, whatever the console's code page.
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide != nullptr && i < count; ++i) {
        arguments.push_back(WideString::ToUtf8(wide[i]));
    }
    LocalFree(wide);
    Win32FileSystem files;
    const auto openHid = [] { return std::unique_ptr<IHidSystem>(std::make_unique<Win32HidSystem>()); };
#else
    arguments.assign(argv + 1, argv + argc);
    PosixFileSystem files;
    const auto openHid = [] { return std::unique_ptr<IHidSystem>(std::make_unique<HidapiSystem>()); };
#endif
    (void)argc;
    (void)argv;
    SteadyClock clock;
    CliApp app({openHid, clock, files, std::cout, std::cerr});
    return app.Run(arguments);
}
