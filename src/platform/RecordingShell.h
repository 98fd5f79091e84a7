#pragma once

#include "platform/IShell.h"

#include <string>
#include <vector>

namespace corvalith {

// A shell that opens and starts nothing and keeps what it was asked, one line a request ("open <address>",
// "start <path>"): the shell of a sandboxed run and of the tests.
class RecordingShell : public IShell {
public:
    bool OpenWebPage(const std::string& address) override;
    bool StartProgram(const std::string& path) override;

    const std::vector<std::string>& Requests() const { return requests_; }

private:
    std::vector<std::string> requests_;
};

} // namespace corvalith
