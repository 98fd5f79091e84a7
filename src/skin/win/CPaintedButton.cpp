#include "skin/win/CPaintedButton.h"

#include "skin/win/CPaintedButtons.h"

namespace corvalith {

void CPaintedButton::Move(const RECT& rect) {
    if (::EqualRect(&rect, &rect_)) {
        return;
    }
    if (shown_) {
        Invalidate();
    }
    rect_ = rect;
    if (shown_) {
        Invalidate();
    }
}

void CPaintedButton::Show(bool shown) {
    if (shown != shown_) {
        shown_ = shown;
        Invalidate();
    }
}

bool CPaintedButton::IsHover() const {
    return owner_ != nullptr && owner_->Hovered() == index_;
}

void CPaintedButton::Invalidate() const {
    if (owner_ != nullptr) {
        owner_->Invalidate(rect_);
    }
}

} // namespace corvalith
