// corvalith-cli on Linux: HID through hidapi's hidraw backend.
#include "cli/CliApp.h"
#include "platform/SteadyClock.h"
#include "platform/posix/HidapiSystem.h"
#include "platform/posix/PosixFileSystem.h"

#include <unistd.h>

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    using namespace corvalith;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    PosixFileSystem files;
    SteadyClock clock;
    // What the mouse holds after the last apply: $XDG_STATE_HOME/corvalith/ (or ~/.local/state/corvalith/).
    std::string stateFile;
    if (const char* state = std::getenv("XDG_STATE_HOME"); state != nullptr && *state != '\0') {
        stateFile = std::string(state) + "/corvalith/mouse-state.bin";
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        stateFile = std::string(home) + "/.local/state/corvalith/mouse-state.bin";
    }
    CliApp app({[] { return std::unique_ptr<IHidSystem>(std::make_unique<HidapiSystem>()); }, clock, files,
                std::cout, std::cerr, isatty(STDOUT_FILENO) == 1, stateFile});
    return app.Run(arguments);
}
