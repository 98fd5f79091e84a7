#include "framework/CMemoryDC.h"

#include <algorithm>

namespace corvalith {

CMemoryDC::CMemoryDC(HDC target, int width, int height)
    : width_(width > 0 ? width : 0), height_(height > 0 ? height : 0), area_{0, 0, width_, height_} {
    dc_ = ::CreateCompatibleDC(target);
    // A bitmap of at least one pixel keeps the surface usable for an empty window.
    bitmap_ = ::CreateCompatibleBitmap(target, width_ > 0 ? width_ : 1, height_ > 0 ? height_ : 1);
    if (dc_ != nullptr && bitmap_ != nullptr) {
        previous_ = ::SelectObject(dc_, bitmap_);
    }
}

CMemoryDC::CMemoryDC(const PAINTSTRUCT& paint, int width, int height) : CMemoryDC(paint.hdc, width, height) {
    ClipTo(paint.rcPaint);
}

CMemoryDC::~CMemoryDC() {
    if (dc_ != nullptr && previous_ != nullptr) {
        ::SelectObject(dc_, previous_);
    }
    if (bitmap_ != nullptr) {
        ::DeleteObject(bitmap_);
    }
    if (dc_ != nullptr) {
        ::DeleteDC(dc_);
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
    // The surface has no mapping of its own, so its coordinates are the region's device coordinates.
    const HRGN region = ::CreateRectRgnIndirect(&area_);
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
    return ::BitBlt(target, x + area_.left, y + area_.top, width, height, dc_, area_.left, area_.top,
                    SRCCOPY) != FALSE;
}

} // namespace corvalith
