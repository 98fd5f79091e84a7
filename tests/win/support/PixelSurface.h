#pragma once

#include <windows.h>

#include <cstdint>

namespace corvalith::test {

// A 32-bit top-down memory surface whose pixels a test reads back after drawing on it.
class PixelSurface {
public:
    PixelSurface(int width, int height);
    PixelSurface(const PixelSurface&) = delete;
    PixelSurface& operator=(const PixelSurface&) = delete;
    ~PixelSurface();

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The colour at x, y as RGB(); CLR_INVALID outside the surface.
    COLORREF Pixel(int x, int y) const;
    void Fill(COLORREF colour);
    // Pixels whose red, green and blue are all at least `level` (drawn white text), inside the rectangle.
    int CountBright(const RECT& area, int level = 200) const;

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    const std::uint32_t* bits_ = nullptr;
    int width_;
    int height_;
};

} // namespace corvalith::test
