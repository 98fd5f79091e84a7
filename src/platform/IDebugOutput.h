#pragma once

#include <string_view>

namespace corvalith {

// The system debug output (OutputDebugStringW on Windows). Diagnostics of device and file failures go
// only here; the user never sees them.
class IDebugOutput {
public:
    virtual ~IDebugOutput() = default;
    virtual void Write(std::string_view text) = 0;
};

} // namespace corvalith
