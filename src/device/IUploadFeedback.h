#pragma once

namespace corvalith {

// What an upload shows in the main window: the wait cursor while it runs, and the lift-off slider
// enabled only while the lift-off function is on.
class IUploadFeedback {
public:
    virtual ~IUploadFeedback() = default;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
    virtual void EnableLiftOffSlider(bool enabled) = 0;
};

} // namespace corvalith
