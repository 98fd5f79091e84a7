#include "skin/ScrollBarAutoRepeat.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <optional>
#include <vector>

namespace corvalith {
namespace {

using Timer = ScrollBarAutoRepeat::TimerChange;

// A fake clock carrying the bar's one timer: it fires whenever the time reaches the next due tick, the
// way the window's timer would, and every notification moves the position like the scrolled window.
class HeldButton {
public:
    HeldButton(int length, ScrollBarRange range, int pointerAlong) : range_(range), pointer_(pointerAlong) {
        length_ = length;
    }

    void Press(ScrollBarPart part) { Apply(repeat_.Press(part)); }
    void Release() { Apply(repeat_.Release()); }
    void MovePointer(int along) {
        pointer_ = along;
        const ScrollBarGeometry bar(length_, 13, range_, range_.position);
        repeat_.Move(bar.PartSpan(repeat_.PressedPart()).Contains(along));
    }

    void AdvanceTo(int ms) {
        while (period_ && nextDue_ <= ms) {
            now_ = nextDue_;
            nextDue_ = now_ + *period_;
            const ScrollBarGeometry bar(length_, 13, range_, range_.position);
            Apply(repeat_.Tick(bar, pointer_, range_));
        }
        now_ = ms;
    }

    std::vector<int> notifiedAt;
    std::vector<int> positions;
    bool TimerRunning() const { return period_.has_value(); }

private:
    void Apply(const ScrollBarAutoRepeat::Step& step) {
        switch (step.timer) {
        case Timer::Start:
            period_ = ScrollBarAutoRepeat::kFirstDelayMs;
            nextDue_ = now_ + *period_;
            break;
        case Timer::SwitchToRepeat:
            period_ = ScrollBarAutoRepeat::kRepeatDelayMs;
            nextDue_ = now_ + *period_;
            break;
        case Timer::Stop:
            period_.reset();
            break;
        case Timer::None:
            break;
        }
        if (step.notify) {
            notifiedAt.push_back(now_);
            Scroll(repeat_.PressedPart());
            positions.push_back(range_.position);
        }
    }

    void Scroll(ScrollBarPart part) {
        const int highest = range_.maximum - range_.page + (range_.page > 0 ? 1 : 0);
        int position = range_.position;
        switch (part) {
        case ScrollBarPart::LineUp:
            --position;
            break;
        case ScrollBarPart::LineDown:
            ++position;
            break;
        case ScrollBarPart::PageUp:
            position -= range_.page;
            break;
        case ScrollBarPart::PageDown:
            position += range_.page;
            break;
        default:
            break;
        }
        range_.position = std::clamp(position, range_.minimum, highest);
    }

    ScrollBarAutoRepeat repeat_;
    int length_;
    ScrollBarRange range_;
    int pointer_;
    int now_ = 0;
    std::optional<int> period_;
    int nextDue_ = 0;
};

TEST(ScrollBarAutoRepeatTest, HoldingAnArrowRepeatsAfter500ThenEvery100AndPausesOutside) {
    // A 226-pixel bar, range 0..999 without a page: the down arrow is [213, 226).
    HeldButton held(226, {0, 999, 0, 0}, 220);
    held.Press(ScrollBarPart::LineDown);
    held.AdvanceTo(850);
    held.MovePointer(100); // off the arrow: the timer runs on, nothing is sent
    held.AdvanceTo(1050);
    EXPECT_TRUE(held.TimerRunning());
    held.MovePointer(215); // back on the arrow
    held.AdvanceTo(1150);
    held.Release();
    held.AdvanceTo(2000);

    EXPECT_EQ(held.notifiedAt, (std::vector<int>{0, 500, 600, 700, 800, 1100}));
    EXPECT_EQ(held.positions, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(held.TimerRunning());
}

TEST(ScrollBarAutoRepeatTest, EachPartStopsRepeatingWhereItsEndIsReached) {
    struct Case {
        const char* name;
        ScrollBarRange range;
        int pointer;
        ScrollBarPart part;
        std::vector<int> notifiedAt;
        std::vector<int> positions;
    };
    const Case cases[] = {
        // Line down stops once the position equals the maximum: 8 -> 9 at once, 10 at 500, stop at 600.
        {"line down at the maximum", {0, 10, 0, 8}, 220, ScrollBarPart::LineDown, {0, 500}, {9, 10}},
        // With a page of 10 over 0..99 the window's last position is 90, the maximum is never reached.
        {"line down at the last page", {0, 99, 10, 88}, 220, ScrollBarPart::LineDown, {0, 500}, {89, 90}},
        {"line up at the minimum", {0, 10, 0, 2}, 5, ScrollBarPart::LineUp, {0, 500}, {1, 0}},
        // Page down with page 10 over 0..99 on a 226 bar: the thumb is 20 long at 13 + 2 * position.
        // 0 -> 10 at once, 10 -> 20 at 500, then the thumb [53, 73) lies under the pointer at 60.
        {"page down reaches the pointer", {0, 99, 10, 0}, 60, ScrollBarPart::PageDown, {0, 500}, {10, 20}},
        // Page up from 90 toward a pointer at 100: thumb [193, 213) -> 80 [173, 193) -> 70 [153, 173)
        // -> 60 [133, 153) -> 50 [113, 133) -> 40 [93, 113) holds 100.
        {"page up reaches the pointer",
         {0, 99, 10, 90},
         100,
         ScrollBarPart::PageUp,
         {0, 500, 600, 700, 800},
         {80, 70, 60, 50, 40}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HeldButton held(226, c.range, c.pointer);
        held.Press(c.part);
        held.AdvanceTo(3000);
        EXPECT_EQ(held.notifiedAt, c.notifiedAt);
        EXPECT_EQ(held.positions, c.positions);
        EXPECT_FALSE(held.TimerRunning());
    }
}

TEST(ScrollBarAutoRepeatTest, ThumbAndEmptyPressesStartNothing) {
    for (ScrollBarPart part : {ScrollBarPart::Thumb, ScrollBarPart::None}) {
        ScrollBarAutoRepeat repeat;
        const ScrollBarAutoRepeat::Step step = repeat.Press(part);
        EXPECT_EQ(step.timer, Timer::None);
        EXPECT_FALSE(step.notify);
        EXPECT_EQ(repeat.Release().timer, Timer::None);
    }
}

} // namespace
} // namespace corvalith
