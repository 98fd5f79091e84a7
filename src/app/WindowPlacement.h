#pragma once

#include "platform/Rect.h"

namespace corvalith {

// Where the main window stands: the size of its background image, or the fallback size when the image is
// missing or empty, centred on the screen.
class WindowPlacement {
public:
    WindowPlacement() = default;
    // The background image's size, zero when it could not be read.
    WindowPlacement(int backgroundWidth, int backgroundHeight);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // The window's place on a screen of that size.
    Rect On(int screenWidth, int screenHeight) const;

private:
    int width_ = 0;
    int height_ = 0;
};

} // namespace corvalith
