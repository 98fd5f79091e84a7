#include "app/win/MainWindowFeedback.h"

#include "app/win/MainWindowControls.h"

namespace corvalith {

void MainWindowFeedback::BeginWaitCursor() {
    if (waitDepth_++ == 0) {
        previousCursor_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    }
}

void MainWindowFeedback::EndWaitCursor() {
    if (waitDepth_ > 0 && --waitDepth_ == 0) {
        SetCursor(previousCursor_ != nullptr ? previousCursor_ : LoadCursorW(nullptr, IDC_ARROW));
    }
}

void MainWindowFeedback::EnableLiftOffSlider(bool enabled) {
    if (controls_.LiftOffSlider().Hwnd() != nullptr) {
        controls_.LiftOffSlider().EnableWindow(enabled);
    }
}

} // namespace corvalith
