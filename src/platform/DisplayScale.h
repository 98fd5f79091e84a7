#pragma once

#include "platform/Point.h"
#include "platform/Rect.h"

namespace corvalith {

// The scale a window is shown at: the dots per inch of its monitor, 96 being 100 %. The program lays its
// windows out and draws them in logical pixels, the pixels of 100 %, and this is the one rule that turns
// them into the monitor's pixels and back. A logical edge x lands on the device pixel x * dpi / 96
// rounded half up, as the window system's own transform of a drawing rounds it, so a child window placed
// by this rule sits exactly on the part of its parent's drawing that is meant for it.
class DisplayScale {
public:
    static constexpr int kBaseDpi = 96;
    // The scales the program takes: below 100 % nothing would fit, above 500 % no monitor goes.
    static constexpr int kLeastDpi = kBaseDpi;
    static constexpr int kMostDpi = 5 * kBaseDpi;

    constexpr DisplayScale() = default;
    // Any dpi outside the scales taken is brought to the nearest one.
    explicit DisplayScale(int dpi);

    int Dpi() const { return dpi_; }
    // The scale in percent, rounded half up (120 dpi is 125 %).
    int Percent() const;
    bool IsIdentity() const { return dpi_ == kBaseDpi; }

    // A logical length or edge in device pixels.
    int ToDevice(int logical) const;
    Point ToDevice(Point logical) const { return {ToDevice(logical.X), ToDevice(logical.Y)}; }
    // Each edge scaled on its own, so rectangles that touch at 100 % still touch.
    Rect ToDevice(const Rect& logical) const;

    // The logical pixel that holds a device pixel: the last logical edge at or left of it.
    int ToLogical(int device) const;
    Point ToLogical(Point device) const { return {ToLogical(device.X), ToLogical(device.Y)}; }
    // The logical rectangle that covers every device pixel of the rectangle, so that repainting it
    // repaints all of them.
    Rect ToLogical(const Rect& device) const;

    friend bool operator==(const DisplayScale&, const DisplayScale&) = default;

private:
    int dpi_ = kBaseDpi;
};

} // namespace corvalith
