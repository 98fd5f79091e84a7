#include "skin/ScrollBarAutoRepeat.h"

#include <algorithm>

namespace corvalith {

namespace {

// The last position the scrolled window can reach: with a page set, the page's last line shows the
// maximum, so the position stops page - 1 short of it.
int HighestPosition(const ScrollBarRange& range) {
    const long long highest = static_cast<long long>(range.maximum) - std::max(range.page - 1, 0);
    return static_cast<int>(std::max<long long>(highest, range.minimum));
}

} // namespace

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
        stop = range.position <= range.minimum;
        break;
    case ScrollBarPart::LineDown:
        stop = range.position >= HighestPosition(range);
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
