#pragma once

#include <windows.h>

namespace corvalith {

// A memory DC with a bitmap of its own selected into it, for drawing off screen and keeping what was
// drawn. The bitmap is compatible with a given DC (the screen when none is given). Released with the
// object: the DC's first bitmap is put back and the bitmap and the DC are deleted.
class CBitmapSurface {
public:
    CBitmapSurface() = default;
    CBitmapSurface(const CBitmapSurface&) = delete;
    CBitmapSurface& operator=(const CBitmapSurface&) = delete;
    ~CBitmapSurface() { Release(); }

    // Makes the surface anew, width x height; false, and no surface, when none can be made.
    bool Create(int width, int height, HDC compatibleWith = nullptr);
    void Release();

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace corvalith
