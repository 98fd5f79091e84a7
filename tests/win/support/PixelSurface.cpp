#include "win/support/PixelSurface.h"

namespace corvalith::test {

PixelSurface::PixelSurface(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<const std::uint32_t*>(bits);
    dc_ = ::CreateCompatibleDC(nullptr);
    previous_ = ::SelectObject(dc_, bitmap_);
}

PixelSurface::~PixelSurface() {
    ::SelectObject(dc_, previous_);
    ::DeleteObject(bitmap_);
    ::DeleteDC(dc_);
}

COLORREF PixelSurface::Pixel(int x, int y) const {
    if (bits_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_) {
        return CLR_INVALID;
    }
    ::GdiFlush();
    const std::uint32_t value = bits_[static_cast<std::size_t>(y) * width_ + x];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

void PixelSurface::Fill(COLORREF colour) {
    const HBRUSH brush = ::CreateSolidBrush(colour);
    const RECT all{0, 0, width_, height_};
    ::FillRect(dc_, &all, brush);
    ::DeleteObject(brush);
}

int PixelSurface::CountBright(const RECT& area, int level) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF colour = Pixel(x, y);
            if (colour != CLR_INVALID && GetRValue(colour) >= level && GetGValue(colour) >= level &&
                GetBValue(colour) >= level) {
                ++count;
            }
        }
    }
    return count;
}

} // namespace corvalith::test
