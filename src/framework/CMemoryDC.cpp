#include "framework/CMemoryDC.h"

namespace corvalith {

CMemoryDC::CMemoryDC(HDC target, int width, int height)
    : width_(width > 0 ? width : 0), height_(height > 0 ? height : 0) {
    dc_ = ::CreateCompatibleDC(target);
    // A bitmap of at least one pixel keeps the surface usable for an empty window.
    bitmap_ = ::CreateCompatibleBitmap(target, width_ > 0 ? width_ : 1, height_ > 0 ? height_ : 1);
    if (dc_ != nullptr && bitmap_ != nullptr) {
        previous_ = ::SelectObject(dc_, bitmap_);
    }
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

bool CMemoryDC::CopyTo(HDC target, int x, int y) const {
    if (!Valid()) {
        return false;
    }
    return ::BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY) != FALSE;
}

} // namespace corvalith
