#pragma once

#include "platform/IDebugOutput.h"

namespace corvalith {

// Debug lines on the standard error stream, where native builds keep their diagnostics.
class StderrDebugOutput : public IDebugOutput {
public:
    void Write(std::string_view text) override;
};

} // namespace corvalith
