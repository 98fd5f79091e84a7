#pragma once

namespace corvalith {

// What a lift-off upload shows in the main window: the lift-off slider enabled only while the lift-off
// function is on.
class IUploadFeedback {
public:
    virtual ~IUploadFeedback() = default;
    virtual void EnableLiftOffSlider(bool enabled) = 0;
};

} // namespace corvalith
