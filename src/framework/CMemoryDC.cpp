#include "framework/CMemoryDC.h"

#include "framework/Win32Rect.h"
#include "framework/WorldScale.h"

#include <algorithm>

namespace corvalith {

namespace {

// The surface a thread's memory DCs draw on in turn, kept from one paint to the next and grown to the
// largest size asked for. Making a DC and a bitmap for every paint costs more than most of the skinned
// controls' whole drawing. It is compatible with the screen, as every window the program paints is, and
// lent only on the thread that made it, the one the windows run on.
struct KeptSurface {
    CBitmapSurface surface;
    bool lent = false;
    DWORD thread = ::GetCurrentThreadId();

    bool Free() const { return !lent && thread == ::GetCurrentThreadId(); }

    // The DC with a bitmap of at least width x height selected, or null when none can be made.
    HDC Take(int wanted, int wantedHeight) {
        if (surface.Dc() != nullptr && surface.Width() >= wanted && surface.Height() >= wantedHeight) {
            return surface.Dc();
        }
        const int width = std::max(surface.Width(), wanted);
        const int height = std::max(surface.Height(), wantedHeight);
        return surface.Create(width, height) ? surface.Dc() : nullptr;
    }
};

KeptSurface kept;

} // namespace

CMemoryDC::CMemoryDC(HDC target, int width, int height)
    : scale_(WorldScale::Of(target)), width_(width > 0 ? width : 0),
      height_(height > 0 ? height : 0), area_{0, 0, width_, height_} {
    // A bitmap of at least one pixel keeps the surface usable for an empty window.
    const int bitmapWidth = width_ > 0 ? scale_.ToDevice(width_) : 1;
    const int bitmapHeight = height_ > 0 ? scale_.ToDevice(height_) : 1;
    if (kept.Free()) {
        if (const HDC dc = kept.Take(bitmapWidth, bitmapHeight); dc != nullptr) {
            // Whatever the last painter selected or clipped is put back when this one ends.
            savedState_ = ::SaveDC(dc);
            if (savedState_ != 0) {
                kept.lent = true;
                dc_ = dc;
                // Black, as a new bitmap starts: a painter without its image leaves no earlier drawing.
                ::PatBlt(dc_, 0, 0, bitmapWidth, bitmapHeight, BLACKNESS);
                WorldScale::Apply(dc_, scale_);
                return;
            }
        }
    }
    // A surface drawn on inside another's drawing gets its own.
    if (own_.Create(bitmapWidth, bitmapHeight, target)) {
        dc_ = own_.Dc();
        WorldScale::Apply(dc_, scale_);
    }
}

CMemoryDC::CMemoryDC(const PAINTSTRUCT& paint, int width, int height) : CMemoryDC(paint.hdc, width, height) {
    ClipTo(ToRect(scale_.ToLogical(FromRect(paint.rcPaint))));
}

CMemoryDC::~CMemoryDC() {
    if (savedState_ != 0) {
        ::RestoreDC(dc_, savedState_);
        kept.lent = false;
    }
}

void CMemoryDC::ClipTo(const RECT& area) {
    area_.left = std::clamp(static_cast<int>(area.left), 0, width_);
    area_.top = std::clamp(static_cast<int>(area.top), 0, height_);
    area_.right = std::clamp(static_cast<int>(area.right), static_cast<int>(area_.left), width_);
    area_.bottom = std::clamp(static_cast<int>(area.bottom), static_cast<int>(area_.top), height_);
    if (dc_ == nullptr) {
        return;
    }
    // A clipping region is in the bitmap's own pixels.
    const RECT device = ToRect(scale_.ToDevice(FromRect(area_)));
    const HRGN region = ::CreateRectRgnIndirect(&device);
    ::SelectClipRgn(dc_, region);
    if (region != nullptr) {
        ::DeleteObject(region);
    }
}

bool CMemoryDC::CopyTo(HDC target, int x, int y) const {
    if (!Valid()) {
        return false;
    }
    const int width = area_.right - area_.left;
    const int height = area_.bottom - area_.top;
    if (width <= 0 || height <= 0) {
        return true; // nothing to copy
    }
    if (scale_.IsIdentity()) {
        return ::BitBlt(target, x + area_.left, y + area_.top, width, height, dc_, area_.left, area_.top,
                        SRCCOPY) != FALSE;
    }
    // Pixel for pixel: both contexts' transforms are set aside for the copy.
    const Rect from = scale_.ToDevice(FromRect(area_));
    const WorldScale plainSource(dc_, DisplayScale());
    const WorldScale plainTarget(target, DisplayScale());
    return ::BitBlt(target, scale_.ToDevice(x + area_.left), scale_.ToDevice(y + area_.top), from.Width(),
                    from.Height(), dc_, from.Left, from.Top, SRCCOPY) != FALSE;
}

} // namespace corvalith
