#include "skin/win/CPaintedButtons.h"

#include "framework/CWnd.h"

#include "framework/Win32Rect.h"
#include "skin/win/CPaintedButton.h"

namespace corvalith {

void CPaintedButtons::Add(CPaintedButton& button, const RECT& rect, UINT commandId) {
    button.owner_ = this;
    button.index_ = static_cast<int>(buttons_.size());
    button.commandId_ = commandId;
    button.rect_ = rect;
    buttons_.push_back(&button);
}

void CPaintedButtons::Draw(HDC dc, const RECT& area) {
    for (CPaintedButton* button : buttons_) {
        RECT overlap;
        if (button->shown_ && ::IntersectRect(&overlap, &area, &button->rect_)) {
            button->face_.Draw(dc, button->rect_, StateOf(*button), true);
        }
    }
}

ImageButtonLook::State CPaintedButtons::StateOf(const CPaintedButton& button) const {
    return pointer_.LookOf(button.index_, button.checked_, true);
}

std::vector<ButtonPointer::Target> CPaintedButtons::Targets() const {
    std::vector<ButtonPointer::Target> targets;
    targets.reserve(buttons_.size());
    for (const CPaintedButton* button : buttons_) {
        const RECT& r = button->rect_;
        targets.push_back({FromRect(r), button->shown_});
    }
    return targets;
}

void CPaintedButtons::Invalidate(const RECT& rect) const {
    if (CWnd* parent = CWnd::FromHandle(parent_); parent != nullptr) {
        parent->InvalidateRect(rect, false); // the window's logical pixels
    } else if (parent_ != nullptr) {
        ::InvalidateRect(parent_, &rect, FALSE);
    }
}

void CPaintedButtons::Apply(const ButtonPointer::Outcome& outcome) {
    for (const int index : outcome.Changed) {
        if (index >= 0 && static_cast<std::size_t>(index) < buttons_.size()) {
            Invalidate(buttons_[static_cast<std::size_t>(index)]->rect_);
        }
    }
    if (!outcome.Changed.empty() && parent_ != nullptr) {
        // The look follows the pointer at once, as a button window's would.
        ::UpdateWindow(parent_);
    }
    if (outcome.TakeCapture && parent_ != nullptr) {
        ::SetCapture(parent_);
    }
    if (outcome.ReleaseCapture && parent_ != nullptr && ::GetCapture() == parent_) {
        ::ReleaseCapture();
    }
}

void CPaintedButtons::OnMouseMove(UINT flags, POINT point) {
    if (buttons_.empty()) {
        return;
    }
    Apply(pointer_.Move(Targets(), point.x, point.y, (flags & MK_LBUTTON) != 0));
    if (pointer_.Hovered() >= 0 && !tracking_ && parent_ != nullptr) {
        // Told when the pointer leaves the window or moves onto one of its child windows.
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, parent_, 0};
        tracking_ = ::TrackMouseEvent(&track) != FALSE;
    }
}

bool CPaintedButtons::OnLButtonDown(POINT point) {
    const ButtonPointer::Outcome outcome = pointer_.Press(Targets(), point.x, point.y);
    const bool taken = outcome.TakeCapture;
    Apply(outcome);
    return taken;
}

bool CPaintedButtons::OnLButtonUp(POINT point) {
    if (pointer_.Held() < 0) {
        return false;
    }
    const ButtonPointer::Outcome outcome = pointer_.Release(Targets(), point.x, point.y);
    Apply(outcome);
    if (outcome.Clicked >= 0 && static_cast<std::size_t>(outcome.Clicked) < buttons_.size() &&
        parent_ != nullptr) {
        const UINT id = buttons_[static_cast<std::size_t>(outcome.Clicked)]->commandId_;
        ::SendMessageW(parent_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }
    return true;
}

void CPaintedButtons::OnMouseLeave() {
    tracking_ = false;
    Apply(pointer_.Leave());
}

void CPaintedButtons::OnCaptureChanged(HWND newCapture) {
    if (newCapture != parent_ && pointer_.Held() >= 0) {
        Apply(pointer_.Lose());
    }
}

} // namespace corvalith
