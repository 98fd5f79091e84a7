#include "app/WindowPlacement.h"

#include "app/MainWindowLayout.h"

namespace corvalith {

WindowPlacement::WindowPlacement(int backgroundWidth, int backgroundHeight) {
    const bool sized = backgroundWidth > 0 && backgroundHeight > 0;
    width_ = sized ? backgroundWidth : MainWindowLayout::kFallbackWidth;
    height_ = sized ? backgroundHeight : MainWindowLayout::kFallbackHeight;
}

Rect WindowPlacement::On(int screenWidth, int screenHeight) const {
    const int left = (screenWidth - width_) / 2;
    const int top = (screenHeight - height_) / 2;
    return {left, top, left + width_, top + height_};
}

} // namespace corvalith
