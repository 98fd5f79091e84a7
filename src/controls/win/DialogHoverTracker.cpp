#include "controls/win/DialogHoverTracker.h"

namespace corvalith {

void DialogHoverTracker::Moved(HWND dialog, DialogHover::Button over) {
    if (over == DialogHover::Button::None) {
        if (hover_.Move(over)) {
            ::InvalidateRect(dialog, nullptr, FALSE);
        }
        return;
    }
    TRACKMOUSEEVENT track{sizeof track, TME_HOVER, dialog, hoverTime_};
    ::TrackMouseEvent(&track);
}

void DialogHoverTracker::Rested(HWND dialog, DialogHover::Button over) {
    if (hover_.Rest(over)) {
        ::InvalidateRect(dialog, nullptr, FALSE);
    }
}

} // namespace corvalith
