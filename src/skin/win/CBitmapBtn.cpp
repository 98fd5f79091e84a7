#include "skin/win/CBitmapBtn.h"

#include "framework/CMemoryDC.h"

namespace corvalith {

namespace {

// Weight of the caption font, between normal and bold.
constexpr int kCaptionWeight = 550;

HWND TopLevelOf(HWND hwnd) {
    return ::GetAncestor(hwnd, GA_ROOT);
}

} // namespace

CBitmapBtn::~CBitmapBtn() {
    for (HBITMAP& image : images_) {
        if (image != nullptr) {
            ::DeleteObject(image);
            image = nullptr;
        }
    }
}

bool CBitmapBtn::Create(const RECT& rect, CWnd* parent, UINT id, const std::wstring& caption) {
    caption_ = caption;
    return CButton::Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rect, parent, id);
}

void CBitmapBtn::SetImages(const RECT& source, HBITMAP normal, HBITMAP hover, HBITMAP pressed,
                           HBITMAP disabled) {
    const int width = source.right - source.left;
    const int height = source.bottom - source.top;
    const HDC screen = ::GetDC(nullptr);
    const HDC from = ::CreateCompatibleDC(screen);
    const HDC to = ::CreateCompatibleDC(screen);
    const HBITMAP sources[4] = {normal, hover, pressed, disabled};
    for (std::size_t i = 0; i < images_.size(); ++i) {
        if (sources[i] == nullptr || width <= 0 || height <= 0) {
            continue;
        }
        const HBITMAP cut = ::CreateCompatibleBitmap(screen, width, height);
        if (cut == nullptr) {
            continue;
        }
        const HGDIOBJ oldFrom = ::SelectObject(from, sources[i]);
        const HGDIOBJ oldTo = ::SelectObject(to, cut);
        ::BitBlt(to, 0, 0, width, height, from, source.left, source.top, SRCCOPY);
        ::SelectObject(from, oldFrom);
        ::SelectObject(to, oldTo);
        if (images_[i] != nullptr) {
            ::DeleteObject(images_[i]);
        }
        images_[i] = cut;
    }
    ::DeleteDC(from);
    ::DeleteDC(to);
    ::ReleaseDC(nullptr, screen);
    if (hwnd_ != nullptr) {
        ModifyStyle(WS_BORDER | WS_TABSTOP, 0);
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
    const HBITMAP image = images_[static_cast<std::size_t>(ImageButtonLook::ChooseImage(state))];

    const RECT client = GetClientRect();
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const HDC imageDc = ::CreateCompatibleDC(item.hDC);
    const HGDIOBJ previous = image != nullptr ? ::SelectObject(imageDc, image) : nullptr;
    if (caption_.empty()) {
        if (image != nullptr) {
            ::BitBlt(item.hDC, 0, 0, width, height, imageDc, 0, 0, SRCCOPY);
        }
    } else {
        CMemoryDC canvas(item.hDC, width, height);
        if (image != nullptr) {
            ::BitBlt(canvas, 0, 0, width, height, imageDc, 0, 0, SRCCOPY);
        }
        DrawCaption(canvas, client, state);
        canvas.CopyTo(item.hDC);
    }
    if (previous != nullptr) {
        ::SelectObject(imageDc, previous);
    }
    ::DeleteDC(imageDc);
}

void CBitmapBtn::DrawCaption(HDC dc, const RECT& client, const ImageButtonLook::State& state) {
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, textColours_[static_cast<std::size_t>(ImageButtonLook::ChooseTextColour(state))]);
    const HFONT font = ::CreateFontW(fontHeight_, 0, 0, 0, kCaptionWeight, FALSE, FALSE, FALSE,
                                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                     CLEARTYPE_QUALITY, FF_MODERN, fontFace_.c_str());
    const HGDIOBJ previousFont = ::SelectObject(dc, font);

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
    ::DeleteObject(font);
}

void CBitmapBtn::Repaint() {
    if (hwnd_ != nullptr) {
        ::InvalidateRect(hwnd_, nullptr, FALSE);
        ::UpdateWindow(hwnd_);
    }
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
    hover_ = false;
    Repaint();
    Default();
}

} // namespace corvalith
