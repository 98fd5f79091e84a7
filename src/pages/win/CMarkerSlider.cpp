#include "pages/win/CMarkerSlider.h"

#include "framework/CMemoryDC.h"

namespace corvalith {

namespace {

HBITMAP CutImage(HBITMAP image, const RECT& source) {
    const int width = source.right - source.left;
    const int height = source.bottom - source.top;
    if (image == nullptr || width <= 0 || height <= 0) {
        return nullptr;
    }
    const HDC screen = ::GetDC(nullptr);
    const HBITMAP cut = ::CreateCompatibleBitmap(screen, width, height);
    if (cut != nullptr) {
        const HDC from = ::CreateCompatibleDC(screen);
        const HDC to = ::CreateCompatibleDC(screen);
        const HGDIOBJ oldFrom = ::SelectObject(from, image);
        const HGDIOBJ oldTo = ::SelectObject(to, cut);
        ::BitBlt(to, 0, 0, width, height, from, source.left, source.top, SRCCOPY);
        ::SelectObject(from, oldFrom);
        ::SelectObject(to, oldTo);
        ::DeleteDC(from);
        ::DeleteDC(to);
    }
    ::ReleaseDC(nullptr, screen);
    return cut;
}

} // namespace

CMarkerSlider::~CMarkerSlider() {
    if (track_ != nullptr) {
        ::DeleteObject(track_);
    }
    if (fill_ != nullptr) {
        ::DeleteObject(fill_);
    }
}

bool CMarkerSlider::Create(const RECT& rect, CWnd* parent, int id) {
    id_ = id;
    rect_ = rect;
    parent_ = parent;
    acceptsMouse_ = true;
    minimum_ = 0;
    maximum_ = 10;
    position_ = 0;
    drag_ = MarkerSliderDrag();
    return CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, parent, static_cast<UINT>(id));
}

void CMarkerSlider::SetImages(const RECT& source, HBITMAP track, HBITMAP fill) {
    if (const HBITMAP cut = CutImage(track, source); cut != nullptr) {
        if (track_ != nullptr) {
            ::DeleteObject(track_);
        }
        track_ = cut;
    }
    if (const HBITMAP cut = CutImage(fill, source); cut != nullptr) {
        if (fill_ != nullptr) {
            ::DeleteObject(fill_);
        }
        fill_ = cut;
    }
}

void CMarkerSlider::SetPosition(int value) {
    position_ = MarkerSliderGeometry::SetPosition(Orientation(), value, {minimum_, maximum_});
    if (hwnd_ != nullptr) {
        RedrawWindow(nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
}

void CMarkerSlider::Place(const RECT& rect) {
    rect_ = rect;
    if (hwnd_ != nullptr) {
        MoveWindow(rect, true);
    }
}

int CMarkerSlider::FillLength() const {
    const int extent = Orientation() == MarkerSliderGeometry::Orientation::Horizontal
                           ? rect_.right - rect_.left
                           : rect_.bottom - rect_.top;
    return MarkerSliderGeometry::FillLength(extent, position_, {minimum_, maximum_});
}

int CMarkerSlider::PositionAt(MarkerSliderGeometry::Phase phase, POINT point) const {
    return MarkerSliderGeometry::PositionFromPoint(Orientation(), phase, GeometryRect(), {minimum_, maximum_},
                                                   point.x, point.y);
}

BOOL CMarkerSlider::OnEraseBkgnd(HDC) {
    return TRUE; // the track covers the whole slider
}

void CMarkerSlider::OnPaint() {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(hwnd_, &paint);
    const int width = rect_.right - rect_.left;
    const int height = rect_.bottom - rect_.top;
    CMemoryDC canvas(dc, width, height);
    const HDC images = ::CreateCompatibleDC(dc);
    if (track_ != nullptr) {
        const HGDIOBJ previous = ::SelectObject(images, track_);
        ::BitBlt(canvas, 0, 0, width, height, images, 0, 0, SRCCOPY);
        ::SelectObject(images, previous);
    }
    const int fill = FillLength();
    if (fill_ != nullptr && fill > 0) {
        const HGDIOBJ previous = ::SelectObject(images, fill_);
        if (Orientation() == MarkerSliderGeometry::Orientation::Horizontal) {
            ::BitBlt(canvas, 0, 0, fill, height, images, 0, 0, SRCCOPY);
        } else {
            // The fill image's top rows go to the bottom part of the slider.
            ::BitBlt(canvas, 0, height - fill, width, fill, images, 0, 0, SRCCOPY);
        }
        ::SelectObject(images, previous);
    }
    ::DeleteDC(images);
    canvas.CopyTo(dc);
    ::EndPaint(hwnd_, &paint);
}

void CMarkerSlider::OnLButtonDown(UINT, POINT point) {
    if (drag_.Press(acceptsMouse_)) {
        SetCapture();
        pressPoint_ = point;
    }
    Default();
}

void CMarkerSlider::OnMouseMove(UINT, POINT point) {
    if (!drag_.Dragging()) {
        return;
    }
    position_ = PositionAt(MarkerSliderGeometry::Phase::Dragging, point);
    Invalidate(false);
}

void CMarkerSlider::OnLButtonUp(UINT, POINT point) {
    // Only the release of a press on this slider reports; a stray one (the second release of a double
    // click, or one after the capture was lost) would send the same value to the mouse again.
    if (drag_.Release()) {
        position_ = PositionAt(MarkerSliderGeometry::Phase::Release, point);
        const HWND parent = parent_ != nullptr ? parent_->Hwnd() : GetParentHwnd();
        if (parent != nullptr) {
            ::PostMessageW(parent, kNotification, static_cast<WPARAM>(position_), static_cast<LPARAM>(id_));
        }
    }
    Default();
    if (HasCapture()) {
        ::ReleaseCapture();
    }
    Invalidate(false);
}

void CMarkerSlider::OnCaptureChanged(HWND newCapture) {
    // Another window took the mouse: the drag ends here, so the fill no longer follows a pointer whose
    // button may be up.
    if (drag_.CaptureChanged(newCapture != nullptr && newCapture == hwnd_)) {
        if (HasCapture()) {
            ::ReleaseCapture();
        }
        Invalidate(false);
    }
}

void CMarkerSlider::OnKillFocus(HWND) {
    drag_.FocusLost();
    Invalidate(false);
}

} // namespace corvalith
