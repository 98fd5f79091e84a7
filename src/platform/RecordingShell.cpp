#include "platform/RecordingShell.h"

namespace corvalith {

bool RecordingShell::OpenWebPage(const std::string& address) {
    requests_.push_back("open " + address);
    return true;
}

bool RecordingShell::StartProgram(const std::string& path) {
    requests_.push_back("start " + path);
    return true;
}

} // namespace corvalith
