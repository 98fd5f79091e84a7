#include "framework/CBitmapSurface.h"

namespace corvalith {

bool CBitmapSurface::Create(int width, int height, HDC compatibleWith) {
    Release();
    const HDC screen = compatibleWith == nullptr ? ::GetDC(nullptr) : nullptr;
    const HDC like = compatibleWith != nullptr ? compatibleWith : screen;
    dc_ = ::CreateCompatibleDC(like);
    bitmap_ = ::CreateCompatibleBitmap(like, width, height);
    if (screen != nullptr) {
        ::ReleaseDC(nullptr, screen);
    }
    if (dc_ == nullptr || bitmap_ == nullptr) {
        Release();
        return false;
    }
    previous_ = ::SelectObject(dc_, bitmap_);
    width_ = width;
    height_ = height;
    return true;
}

void CBitmapSurface::Release() {
    if (dc_ != nullptr && previous_ != nullptr) {
        ::SelectObject(dc_, previous_);
    }
    if (bitmap_ != nullptr) {
        ::DeleteObject(bitmap_);
    }
    if (dc_ != nullptr) {
        ::DeleteDC(dc_);
    }
    dc_ = nullptr;
    bitmap_ = nullptr;
    previous_ = nullptr;
    width_ = 0;
    height_ = 0;
}

} // namespace corvalith
