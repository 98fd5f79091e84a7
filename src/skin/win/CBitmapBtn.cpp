#include "skin/win/CBitmapBtn.h"

#include "framework/CMemoryDC.h"
#include "framework/CWholePaintDC.h"

namespace corvalith {

namespace {

// Weight of the caption font, between normal and bold.
constexpr int kCaptionWeight = 550;

HWND TopLevelOf(HWND hwnd) {
    return ::GetAncestor(hwnd, GA_ROOT);
}

} // namespace

CBitmapBtn::~CBitmapBtn() {
    DropFont();
}

bool CBitmapBtn::Create(const RECT& rect, CWnd* parent, UINT id, const std::wstring& caption) {
    caption_ = caption;
    return CButton::Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rect, parent, id);
}

void CBitmapBtn::SetImages(const RECT& source, HBITMAP normal, HBITMAP hover, HBITMAP pressed,
                           HBITMAP disabled) {
    const HBITMAP sources[4] = {normal, hover, pressed, disabled};
    for (std::size_t i = 0; i < images_.size(); ++i) {
        images_[i].Cut(sources[i], source);
    }
    if (hwnd_ != nullptr) {
        ModifyStyle(WS_BORDER | WS_TABSTOP, 0);
    }
}

void CBitmapBtn::SetSkinImages(const SkinImages& skins, const RECT& source, std::string_view normal,
                               std::string_view hover, std::string_view pressed, std::string_view disabled) {
    const std::string_view paths[4] = {normal, hover, pressed, disabled};
    for (std::size_t i = 0; i < images_.size(); ++i) {
        if (!paths[i].empty()) {
            images_[i].Defer(skins, std::string(paths[i]), source);
        }
    }
    if (hwnd_ != nullptr) {
        ModifyStyle(WS_BORDER | WS_TABSTOP, 0);
    }
}

void CBitmapBtn::SetFontFace(const std::wstring& face) {
    if (face != fontFace_) {
        fontFace_ = face;
        DropFont();
    }
}

void CBitmapBtn::SetFontHeight(int height) {
    if (height != fontHeight_) {
        fontHeight_ = height;
        DropFont();
    }
}

void CBitmapBtn::DropFont() {
    if (font_ != nullptr) {
        ::DeleteObject(font_);
        font_ = nullptr;
    }
}

void CBitmapBtn::SetHover(bool hover) {
    if (hover != hover_) {
        hover_ = hover;
        Repaint();
    }
}

void CBitmapBtn::SetTextColours(COLORREF normal, COLORREF hover, COLORREF disabled, COLORREF pressed) {
    textColours_ = {normal, hover, disabled, pressed};
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
    Draw(item.hDC, state);
}

void CBitmapBtn::OnPaint() {
    // The button paints itself from its own state. The system button would ask the parent for its colours
    // and send the drawing back through it, which costs more than the drawing; it still does so for the
    // press and release it draws at once.
    const CWholePaintDC dc(hwnd_);
    if (dc.Dc() != nullptr) {
        Draw(dc, State());
    }
}

void CBitmapBtn::Draw(HDC dc, const ImageButtonLook::State& state) {
    // Skin files named for the states are taken at the first draw, all four at once.
    for (ImagePart& part : images_) {
        part.Resolve();
    }
    const ImagePart& image = images_[static_cast<std::size_t>(ImageButtonLook::ChooseImage(state))];

    const RECT client = GetClientRect();
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (caption_.empty()) {
        image.CopyTo(dc, 0, 0, width, height);
    } else {
        CMemoryDC canvas(dc, width, height);
        image.CopyTo(canvas, 0, 0, width, height);
        DrawCaption(canvas, client, state);
        canvas.CopyTo(dc);
    }
}

void CBitmapBtn::DrawCaption(HDC dc, const RECT& client, const ImageButtonLook::State& state) {
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, textColours_[static_cast<std::size_t>(ImageButtonLook::ChooseTextColour(state))]);
    if (font_ == nullptr) {
        font_ = ::CreateFontW(fontHeight_, 0, 0, 0, kCaptionWeight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, FF_MODERN,
                              fontFace_.c_str());
    }
    const HGDIOBJ previousFont = ::SelectObject(dc, font_);

    const ImageButtonLook::Box box = ImageButtonLook::CaptionBox(
        {client.left, client.top, client.right, client.bottom}, alignment_, indent_);
    RECT area{box.left, box.top, box.right, box.bottom};
    UINT format = DT_NOPREFIX;
    switch (ImageButtonLook::AlignmentOf(alignment_)) {
    case ImageButtonLook::Alignment::Centre:
        format |= DT_CENTER;
        break;
    case ImageButtonLook::Alignment::Left:
        format |= DT_LEFT;
        break;
    case ImageButtonLook::Alignment::Right:
        format |= DT_RIGHT;
        break;
    case ImageButtonLook::Alignment::RightUnclipped:
        format |= DT_RIGHT | DT_NOCLIP;
        break;
    }
    if (wrap_) {
        // Word-wrapped text is centred vertically by measuring it first.
        RECT measured = area;
        ::DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &measured,
                    format | DT_WORDBREAK | DT_CALCRECT);
        const int textHeight = measured.bottom - measured.top;
        const int spare = (area.bottom - area.top) - textHeight;
        if (spare > 0) {
            area.top += spare / 2;
        }
        ::DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &area, format | DT_WORDBREAK);
    } else {
        ::DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &area,
                    format | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    }
    ::SelectObject(dc, previousFont);
}

void CBitmapBtn::Repaint() {
    if (hwnd_ != nullptr) {
        ::InvalidateRect(hwnd_, nullptr, FALSE);
        ::UpdateWindow(hwnd_);
    }
}

void CBitmapBtn::OnDestroy() {
    DropFont();
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
