#include "controls/win/CBitmapBtn.h"

#include "framework/CWholePaintDC.h"
#include "framework/WorldScale.h"

namespace corvalith {

namespace {

HWND TopLevelOf(HWND hwnd) {
    return ::GetAncestor(hwnd, GA_ROOT);
}

} // namespace

bool CBitmapBtn::Create(const RECT& rect, CWnd* parent, UINT id, const std::wstring& caption) {
    face_.SetCaption(caption);
    return CButton::Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rect, parent, id);
}

void CBitmapBtn::SetImages(const RECT& source, HBITMAP normal, HBITMAP hover, HBITMAP pressed,
                           HBITMAP disabled) {
    face_.SetImages(source, normal, hover, pressed, disabled);
    if (hwnd_ != nullptr) {
        ModifyStyle(WS_BORDER | WS_TABSTOP, 0);
    }
}

void CBitmapBtn::SetSkinImages(const SkinImages& skins, const RECT& source, std::string_view normal,
                               std::string_view hover, std::string_view pressed, std::string_view disabled) {
    face_.SetSkinImages(skins, source, normal, hover, pressed, disabled);
    if (hwnd_ != nullptr) {
        ModifyStyle(WS_BORDER | WS_TABSTOP, 0);
    }
}

void CBitmapBtn::SetHover(bool hover) {
    if (hover != hover_) {
        hover_ = hover;
        Repaint();
    }
}

ImageButtonLook::State CBitmapBtn::State() const {
    ImageButtonLook::State state;
    state.disabled = hwnd_ != nullptr && !IsWindowEnabled();
    state.checked = checked_;
    state.pressed = hwnd_ != nullptr && (GetState() & BST_PUSHED) != 0;
    state.hover = hover_;
    return state;
}

bool CBitmapBtn::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
    if (message != WM_DRAWITEM) {
        return false;
    }
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    *result = TRUE;
    return true;
}

void CBitmapBtn::DrawItem(const DRAWITEMSTRUCT& item) {
    ImageButtonLook::State state;
    state.disabled = (item.itemState & ODS_DISABLED) != 0;
    state.checked = checked_;
    state.pressed = (item.itemState & ODS_SELECTED) != 0;
    state.hover = hover_;
    // The system's context for the press and release has no transform: the button's scale is set on it.
    const WorldScale scaled(item.hDC, Scale());
    Draw(item.hDC, state);
}

void CBitmapBtn::OnPaint() {
    // The button paints itself from its own state. The system button would ask the parent for its colours
    // and send the drawing back through it, which costs more than the drawing; it still does so for the
    // press and release it draws at once.
    const CWholePaintDC dc(*this);
    if (dc.Dc() != nullptr) {
        Draw(dc, State());
    }
}

void CBitmapBtn::Draw(HDC dc, const ImageButtonLook::State& state) {
    face_.Draw(dc, GetClientRect(), state, false);
}

void CBitmapBtn::Repaint() {
    if (hwnd_ != nullptr) {
        ::InvalidateRect(hwnd_, nullptr, FALSE);
        ::UpdateWindow(hwnd_);
    }
}

void CBitmapBtn::OnDestroy() {
    face_.DropFont();
    Default();
}

BOOL CBitmapBtn::OnEraseBkgnd(HDC) {
    return TRUE; // the images cover the whole button
}

void CBitmapBtn::OnMouseMove(UINT flags, POINT point) {
    const HWND parent = GetParentHwnd();
    if (!HasCapture()) {
        if ((flags & MK_LBUTTON) != 0 && !hover_) {
            Default();
            return;
        }
        if (::GetActiveWindow() != nullptr && parent != nullptr) {
            hover_ = true;
            SetCapture();
            Repaint();
            const HWND top = TopLevelOf(hwnd_);
            if (::GetActiveWindow() != top) {
                ::SetActiveWindow(top);
            }
        }
    } else {
        POINT screen = point;
        ClientToScreen(screen);
        if (::WindowFromPoint(screen) != hwnd_) {
            const bool wasHover = hover_;
            hover_ = false;
            if (wasHover) {
                Repaint();
            }
            if ((flags & MK_LBUTTON) == 0) {
                ::ReleaseCapture();
            }
        }
    }
    if (parent != nullptr) {
        POINT screen = point;
        ClientToScreen(screen);
        ::PostMessageW(parent, WM_MOUSEMOVE, flags, MAKELPARAM(screen.x, screen.y));
    }
    Default();
}

void CBitmapBtn::OnLButtonDown(UINT, POINT) {
    const HWND top = TopLevelOf(hwnd_);
    if (top != nullptr && ::GetActiveWindow() != top) {
        ::SetActiveWindow(top);
    }
    Default();
}

void CBitmapBtn::OnLButtonUp(UINT, POINT) {
    Default();
    if (const HWND parent = GetParentHwnd(); parent != nullptr) {
        ::PostMessageW(parent, WM_LBUTTONUP, 0, 0);
    }
}

void CBitmapBtn::OnCaptureChanged(HWND newCapture) {
    if (hover_ && newCapture != hwnd_) {
        if (HasCapture()) {
            ::ReleaseCapture();
        }
        Repaint();
    }
    Default();
}

void CBitmapBtn::OnKillFocus(HWND) {
    SetHover(false);
    Default();
}

} // namespace corvalith
