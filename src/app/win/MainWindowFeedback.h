#pragma once

#include "device/IUploadFeedback.h"

#include <windows.h>

namespace corvalith {

class MainWindowControls;

// What the main window shows while the mouse takes an upload: the wait cursor, which nested waits share,
// and the lift-off slider, which is disabled while the lift-off switch is off.
class MainWindowFeedback : public IUploadFeedback {
public:
    // controls must outlive the feedback.
    explicit MainWindowFeedback(MainWindowControls& controls) : controls_(controls) {}

    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void EnableLiftOffSlider(bool enabled) override;

private:
    MainWindowControls& controls_;
    int waitDepth_ = 0;
    HCURSOR previousCursor_ = nullptr;
};

} // namespace corvalith
