#include "skin/ScrollBarAutoRepeat.h"

namespace corvalith {

ScrollBarAutoRepeat::Step ScrollBarAutoRepeat::Press(ScrollBarPart part) {
    if (part == ScrollBarPart::None || part == ScrollBarPart::Thumb) {
        pressed_ = ScrollBarPart::None;
        return {};
    }
    pressed_ = part;
    repeating_ = false;
    outside_ = false;
    return {TimerChange::Start, true};
}

bool ScrollBarAutoRepeat::Move(bool inside) {
    if (pressed_ == ScrollBarPart::None || outside_ == !inside) {
        return false;
    }
    outside_ = !inside;
    return true;
}

ScrollBarAutoRepeat::Step ScrollBarAutoRepeat::Tick(const ScrollBarGeometry& bar, int pointerAlong,
                                                    const ScrollBarRange& range) {
    Step step;
    if (pressed_ == ScrollBarPart::None) {
        step.timer = TimerChange::Stop;
        return step;
    }
    if (!repeating_) {
        repeating_ = true;
        step.timer = TimerChange::SwitchToRepeat;
    }
    if (outside_) {
        return step; // paused: the timer keeps running until the pointer comes back or the button is up
    }
    bool stop = false;
    switch (pressed_) {
    case ScrollBarPart::LineUp:
        stop = range.position == range.minimum;
        break;
    case ScrollBarPart::LineDown:
        stop = range.position == range.maximum;
        break;
    case ScrollBarPart::PageUp:
    case ScrollBarPart::PageDown:
        stop = bar.HitTest(pointerAlong) == ScrollBarPart::Thumb;
        break;
    default:
        break;
    }
    if (stop) {
        step.timer = TimerChange::Stop;
        return step;
    }
    step.notify = true;
    return step;
}

ScrollBarAutoRepeat::Step ScrollBarAutoRepeat::Release() {
    const bool wasPressed = pressed_ != ScrollBarPart::None;
    pressed_ = ScrollBarPart::None;
    repeating_ = false;
    outside_ = false;
    return {wasPressed ? TimerChange::Stop : TimerChange::None, false};
}

} // namespace corvalith
