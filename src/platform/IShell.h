#pragma once

#include <string>

namespace corvalith {

// The shell: opens a web page in the user's browser and starts another program (the firmware updater).
class IShell {
public:
    virtual ~IShell() = default;
    // Each returns false when the shell refused the request.
    virtual bool OpenWebPage(const std::string& address) = 0;
    virtual bool StartProgram(const std::string& path) = 0;
};

} // namespace corvalith
