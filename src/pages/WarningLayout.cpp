#include "pages/WarningLayout.h"

namespace corvalith {

WarningLayout::WarningLayout(int backgroundWidth, int backgroundHeight, int messageHeight)
    : width_(backgroundWidth) {
    message_ = {kMessageLeft, kMessageTop, kMessageLeft + kMessageWidth,
                kMessageTop + std::max(messageHeight, 0)};
    const int onTop = std::max(kFirstOptionTop, message_.Bottom + kGapBelowMessage);
    on_ = {kMessageLeft, onTop, kMessageLeft + kOptionSize, onTop + kOptionSize};
    const int offTop = onTop + kOptionPitch;
    off_ = {kMessageLeft, offTop, kMessageLeft + kOptionSize, offTop + kOptionSize};
    const int buttonsTop = std::max(backgroundHeight - kButtonsFromBottom, off_.Bottom + kGapAboveButtons);
    ok_ = {197, buttonsTop, 250, buttonsTop + kButtonHeight};
    cancel_ = {255, buttonsTop, 308, buttonsTop + kButtonHeight};
    height_ = std::max(backgroundHeight, ok_.Bottom + kMarginBelowButtons);
}

} // namespace corvalith
