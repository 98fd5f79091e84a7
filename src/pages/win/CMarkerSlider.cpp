#include "pages/win/CMarkerSlider.h"

#include "framework/CMemoryDC.h"
#include "framework/CWholePaintDC.h"

namespace corvalith {

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
    track_.Cut(track, source);
    fill_.Cut(fill, source);
}

void CMarkerSlider::SetSkinImages(const SkinImages& skins, const RECT& source, std::string_view track,
                                  std::string_view fill) {
    track_.Defer(skins, std::string(track), source);
    fill_.Defer(skins, std::string(fill), source);
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
    const CWholePaintDC dc(*this);
    if (dc.Dc() != nullptr) {
        Draw(dc, dc.Client());
    }
}

void CMarkerSlider::Draw(HDC dc, const RECT& update) {
    const int width = rect_.right - rect_.left;
    const int height = rect_.bottom - rect_.top;
    track_.Resolve();
    fill_.Resolve();
    CMemoryDC canvas(dc, width, height);
    canvas.ClipTo(update);
    track_.CopyTo(canvas, 0, 0, width, height);
    const int fill = FillLength();
    if (fill > 0) {
        if (Orientation() == MarkerSliderGeometry::Orientation::Horizontal) {
            fill_.CopyTo(canvas, 0, 0, fill, height);
        } else {
            // The fill image's top rows go to the bottom part of the slider.
            fill_.CopyTo(canvas, 0, height - fill, width, fill);
        }
    }
    canvas.CopyTo(dc);
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
