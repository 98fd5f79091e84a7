#pragma once

#include <windows.h>

namespace corvalith {

// An off-screen drawing surface compatible with a target device context: the skinned windows draw
// into it and copy the result to the screen in one block transfer, so nothing flickers.
class CMemoryDC {
public:
    CMemoryDC(HDC target, int width, int height);
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    ~CMemoryDC();

    HDC Dc() const { return dc_; }
    operator HDC() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Valid() const { return dc_ != nullptr && bitmap_ != nullptr; }

    // Copies the whole surface to the target at x, y.
    bool CopyTo(HDC target, int x = 0, int y = 0) const;

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    int width_;
    int height_;
};

} // namespace corvalith
