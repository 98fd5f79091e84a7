#pragma once

#include "platform/IDebugOutput.h"

#include <string>
#include <vector>

namespace corvalith::test {

// Keeps every debug line for the test to compare.
class RecordingDebugOutput : public IDebugOutput {
public:
    void Write(std::string_view text) override { lines.emplace_back(text); }
    std::vector<std::string> lines;
};

} // namespace corvalith::test
