#pragma once

#include "platform/Point.h"
#include "platform/Rect.h"

#include <algorithm>

namespace corvalith {

// Where the lift-off notice puts its texts and controls. The message is wrapped into a fixed width, and
// however many lines it takes in the user's language and font, the "ON" and "OFF" options follow below
// it, OK and Cancel below them; the window grows past its background when they would not fit.
class WarningLayout {
public:
    static constexpr Point kTitle{10, 5};
    // The message starts here and wraps within this width.
    static constexpr int kMessageLeft = 56;
    static constexpr int kMessageTop = 39;
    static constexpr int kMessageWidth = 240;
    // The highest the options sit, with a short message.
    static constexpr int kFirstOptionTop = 85;
    static constexpr int kGapBelowMessage = 6;
    static constexpr int kOptionPitch = 18;
    static constexpr int kOptionSize = 12;
    static constexpr int kCaptionOffset = 20; // from the option's left edge to its caption
    // OK and Cancel sit this far above the background's bottom edge, or lower when the options need it.
    static constexpr int kButtonsFromBottom = 32;
    static constexpr int kGapAboveButtons = 13;
    static constexpr int kButtonHeight = 22;
    static constexpr int kMarginBelowButtons = 10;

    // backgroundWidth, backgroundHeight: the background image's size (or the fallback's); messageHeight:
    // the height the wrapped message takes in the notice's font.
    WarningLayout(int backgroundWidth, int backgroundHeight, int messageHeight);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rect Message() const { return message_; }
    Rect OnOption() const { return on_; }
    Rect OffOption() const { return off_; }
    Point OnCaption() const { return {on_.Left + kCaptionOffset, on_.Top}; }
    Point OffCaption() const { return {off_.Left + kCaptionOffset, off_.Top}; }
    Rect Ok() const { return ok_; }
    Rect Cancel() const { return cancel_; }
    static constexpr Rect Close() { return {300, 5, 314, 18}; }

private:
    int width_;
    int height_;
    Rect message_;
    Rect on_;
    Rect off_;
    Rect ok_;
    Rect cancel_;
};

} // namespace corvalith
