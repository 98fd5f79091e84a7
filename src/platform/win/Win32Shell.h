#pragma once

#include "platform/IShell.h"

namespace corvalith {

// The shell through ShellExecuteW: a web page with the "open" verb, a program with the default verb, both
// in a normal window.
class Win32Shell : public IShell {
public:
    bool OpenWebPage(const std::string& address) override;
    bool StartProgram(const std::string& path) override;
};

} // namespace corvalith
