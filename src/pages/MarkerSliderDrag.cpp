#include "pages/MarkerSliderDrag.h"

namespace corvalith {

bool MarkerSliderDrag::Press(bool acceptsMouse) {
    if (acceptsMouse) {
        dragging_ = true;
    }
    return acceptsMouse;
}

bool MarkerSliderDrag::Release() {
    return End();
}

bool MarkerSliderDrag::CaptureChanged(bool capturedBySlider) {
    return !capturedBySlider && End();
}

bool MarkerSliderDrag::FocusLost() {
    return End();
}

bool MarkerSliderDrag::End() {
    const bool ended = dragging_;
    dragging_ = false;
    return ended;
}

} // namespace corvalith
