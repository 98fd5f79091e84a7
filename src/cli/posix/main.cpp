// corvalith-cli on Linux: HID through hidapi's hidraw backend.
#include "cli/CliApp.h"
#include "platform/SteadyClock.h"
#include "platform/posix/HidapiSystem.h"
#include "platform/posix/PosixFileSystem.h"

#include <unistd.h>

#include <iostream>

int main(int argc, char** argv) {
    using namespace corvalith;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    PosixFileSystem files;
    SteadyClock clock;
    CliApp app({[] { return std::unique_ptr<IHidSystem>(std::make_unique<HidapiSystem>()); }, clock, files,
                std::cout, std::cerr, isatty(STDOUT_FILENO) == 1});
    return app.Run(arguments);
}
