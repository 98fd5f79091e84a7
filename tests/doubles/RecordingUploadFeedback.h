#pragma once

#include "device/IUploadFeedback.h"

#include <string>
#include <vector>

namespace corvalith::test {

class RecordingUploadFeedback : public IUploadFeedback {
public:
    void EnableLiftOffSlider(bool enabled) override { calls.push_back(enabled ? "slider on" : "slider off"); }
    std::vector<std::string> calls;
};

} // namespace corvalith::test
