#pragma once

#include "platform/IDebugOutput.h"

namespace corvalith {

// Debug lines through OutputDebugStringW.
class Win32DebugOutput : public IDebugOutput {
public:
    void Write(std::string_view text) override;
};

} // namespace corvalith
