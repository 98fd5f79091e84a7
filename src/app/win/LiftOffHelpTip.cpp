#include "app/win/LiftOffHelpTip.h"

#include "app/MainWindowLayout.h"
#include "framework/Win32Rect.h"

namespace corvalith {

void LiftOffHelpTip::Follow(POINT pointer, const RECT& header) {
    const Rect zone = MainWindowLayout::HelpZone(FromRect(header));
    const bool inside = zone.Contains(pointer.x, pointer.y);
    if (inside && !tip_) {
        tip_ = std::make_unique<CDlgToolTip>(texts_, &parent_);
        tip_->Create();
        tip_->ShowAt(pointer);
    } else if (!inside) {
        Hide();
    }
}

void LiftOffHelpTip::Hide() {
    if (tip_) {
        tip_->DestroyWindow();
        tip_.reset();
    }
}

} // namespace corvalith
