#include "pages/PanelScroll.h"

#include <algorithm>
#include <cstdlib>

namespace corvalith {

PanelScroll::Bar PanelScroll::Update(int visibleHeight, int range, int barPosition) {
    Bar bar;
    if (visibleHeight < range) {
        if (page_ > 0 && position_ > 0 && visibleHeight > 0) {
            position_ = static_cast<int>(static_cast<long long>(position_) * visibleHeight / page_);
        }
        page_ = visibleHeight;
        position_ = std::clamp(position_, 0, std::max(range - page_ - 1, 0));
        bar.Maximum = range - 1;
        bar.Delta = barPosition - position_;
    } else {
        page_ = 0;
        position_ = 0;
        bar.Delta = barPosition;
    }
    bar.Page = page_;
    bar.Position = position_;
    return bar;
}

int PanelScroll::Scroll(int code, int thumbPosition, int range) {
    int change = 0;
    switch (code) {
    case LineUp:
        change = -kLineStep;
        break;
    case LineDown:
        change = kLineStep;
        break;
    case PageUp:
        change = -page_;
        break;
    case PageDown:
        change = page_;
        break;
    case ThumbPosition:
    case ThumbTrack:
        change = thumbPosition - position_;
        break;
    default:
        return 0;
    }
    const int wanted = std::clamp(position_ + change, 0, std::max(range - page_, 0));
    change = wanted - position_;
    position_ = wanted;
    return change;
}

PanelScroll::WheelSteps PanelScroll::Wheel(int delta, int wheelLines) {
    const bool up = delta > 0;
    if (wheelLines == kWheelOneScreen) {
        return {up ? PageUp : PageDown, 1};
    }
    const long long lines = static_cast<long long>(std::max(wheelLines, 0)) * (std::abs(delta) / kWheelNotch);
    return {up ? LineUp : LineDown, lines >= 6 ? static_cast<int>(std::min(lines / 3, 1000LL)) : 1};
}

} // namespace corvalith
