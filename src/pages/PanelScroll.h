#pragma once

#include <optional>

namespace corvalith {

// The advanced panel's vertical scrolling: the bar's page and position for a visible height and a
// scroll range, the change a scroll message asks for, and what a wheel turn sends.
class PanelScroll {
public:
    // Scroll-bar request codes, as the scroll messages carry them.
    enum Code : int {
        LineUp = 0,
        LineDown = 1,
        PageUp = 2,
        PageDown = 3,
        ThumbPosition = 4,
        ThumbTrack = 5,
    };
    static constexpr int kLineStep = 60;
    static constexpr int kWheelNotch = 120;
    // The system's wheel setting for one screen per notch.
    static constexpr int kWheelOneScreen = -1;

    struct Bar {
        int Maximum = 0; // range - 1, 0 when everything fits
        int Page = 0;
        int Position = 0;
        int Delta = 0; // scroll the contents by this many pixels (positive: down)
        friend bool operator==(const Bar&, const Bar&) = default;
    };

    struct WheelSteps {
        Code Request = LineDown;
        int Count = 0;
        friend bool operator==(const WheelSteps&, const WheelSteps&) = default;
    };

    int Page() const { return page_; }
    int Position() const { return position_; }
    void Set(int page, int position) {
        page_ = page;
        position_ = position;
    }

    // The bar after a change of the visible height or the range; barPosition is where the bar stands now.
    Bar Update(int visibleHeight, int range, int barPosition);

    // A scroll message: the change in pixels (0: nothing to do); the new position is stored.
    int Scroll(int code, int thumbPosition, int range);

    // A wheel turn of delta (120 per notch) with the system's wheel lines: which request is sent how
    // many times.
    static WheelSteps Wheel(int delta, int wheelLines);

private:
    int page_ = 0;
    int position_ = 0;
};

} // namespace corvalith
