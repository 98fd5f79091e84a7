#include "platform/posix/StderrDebugOutput.h"

#include <cstdio>

namespace corvalith {

void StderrDebugOutput::Write(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    if (text.empty() || text.back() != '\n') {
        std::fputc('\n', stderr);
    }
}

} // namespace corvalith
