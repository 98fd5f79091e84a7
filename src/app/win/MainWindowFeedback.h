#pragma once

#include "device/IUploadFeedback.h"

#include <windows.h>

namespace corvalith {

class MainWindowControls;

// What a lift-off upload shows in the main window: the lift-off slider, disabled while the lift-off switch
// is off.
class MainWindowFeedback : public IUploadFeedback {
public:
    // controls must outlive the feedback.
    explicit MainWindowFeedback(MainWindowControls& controls) : controls_(controls) {}

    void EnableLiftOffSlider(bool enabled) override;

private:
    MainWindowControls& controls_;
};

} // namespace corvalith
