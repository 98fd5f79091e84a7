#pragma once

#include "skin/ScrollBarGeometry.h"

namespace corvalith {

// What holding the mouse button on an arrow or on the track does over time: one scroll notification at
// once, the next after 500 ms, then one every 100 ms while the pointer stays on the pressed part. The
// window turns each step into its timer calls and notifications.
class ScrollBarAutoRepeat {
public:
    static constexpr unsigned kFirstDelayMs = 500;
    static constexpr unsigned kRepeatDelayMs = 100;

    enum class TimerChange {
        None,
        Start,          // start the timer with kFirstDelayMs
        SwitchToRepeat, // restart it with kRepeatDelayMs
        Stop,
    };

    struct Step {
        TimerChange timer = TimerChange::None;
        bool notify = false; // send the scroll notification of PressedPart()
    };

    // The button went down on a part other than the thumb.
    Step Press(ScrollBarPart part);

    // The pointer moved while the button is held; inside tells whether it is over the pressed part.
    // Returns whether that changed (the arrow is then redrawn pressed or normal).
    bool Move(bool inside);

    // A timer tick. bar describes the bar as it stands now (with the current position), pointerAlong is
    // the pointer's coordinate along the bar. Line up stops at the minimum, line down at the last
    // position the window reaches (maximum - page + 1 with a page set), a track part once the thumb
    // lies under the pointer.
    Step Tick(const ScrollBarGeometry& bar, int pointerAlong, const ScrollBarRange& range);

    // The button went up: the timer stops if it runs.
    Step Release();

    ScrollBarPart PressedPart() const { return pressed_; }
    bool Repeating() const { return repeating_; }
    bool Outside() const { return outside_; }

private:
    ScrollBarPart pressed_ = ScrollBarPart::None;
    bool repeating_ = false;
    bool outside_ = false;
};

} // namespace corvalith
