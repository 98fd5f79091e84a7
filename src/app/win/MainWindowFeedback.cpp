#include "app/win/MainWindowFeedback.h"

#include "app/win/MainWindowControls.h"

namespace corvalith {

void MainWindowFeedback::EnableLiftOffSlider(bool enabled) {
    if (controls_.LiftOffSlider().Hwnd() != nullptr) {
        controls_.LiftOffSlider().EnableWindow(enabled);
    }
}

} // namespace corvalith
