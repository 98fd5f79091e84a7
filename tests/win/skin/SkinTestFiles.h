#pragma once

#include "platform/win/WideString.h"
#include "win/support/PixelSurface.h"

#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

#include <cstdint>
#include <string>
#include <vector>

namespace corvalith::test {

// The folder of the running test program, ending with a separator: the Skins folder lies beside it.
inline std::string ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return WideString::ToUtf8(folder);
}

// A scratch folder under the system's temporary folder for image files a test writes.
inline std::string ScratchFolder() {
    wchar_t base[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, base);
    std::wstring folder = std::wstring(base) + L"corvalith-skin-tests\\";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return WideString::ToUtf8(folder);
}

// Writes a PNG of width x height from pixels given as blue, green, red[, alpha] rows, through GDI+'s
// own encoder (GDI+ must be started).
inline bool WritePng(const std::string& path, int width, int height, bool alpha,
                     std::vector<std::uint8_t> pixels) {
    const CLSID pngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    const int bytes = alpha ? 4 : 3;
    const int stride = (width * bytes + 3) / 4 * 4;
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(stride) * height, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width * bytes; ++x) {
            rows[static_cast<std::size_t>(y) * stride + x] =
                pixels[static_cast<std::size_t>(y) * width * bytes + x];
        }
    }
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromScan0(width, height, stride,
                                                       alpha ? PixelFormat32bppARGB : PixelFormat24bppRGB,
                                                       rows.data(), &bitmap) != Gdiplus::Ok) {
        return false;
    }
    const Gdiplus::GpStatus status =
        Gdiplus::DllExports::GdipSaveImageToFile(reinterpret_cast<Gdiplus::GpImage*>(bitmap),
                                                 WideString::FromUtf8(path).c_str(), &pngEncoder, nullptr);
    Gdiplus::DllExports::GdipDisposeImage(reinterpret_cast<Gdiplus::GpImage*>(bitmap));
    return status == Gdiplus::Ok;
}

// A memory surface filled with one colour given as blue, green, red, whose pixels read back in the
// same order.
class TestSurface : public PixelSurface {
public:
    TestSurface(int width, int height, std::uint8_t blue, std::uint8_t green, std::uint8_t red)
        : PixelSurface(width, height) {
        Fill(RGB(red, green, blue));
    }
    std::vector<int> Pixel(int x, int y) const {
        const COLORREF colour = PixelSurface::Pixel(x, y);
        return {GetBValue(colour), GetGValue(colour), GetRValue(colour)};
    }
};

} // namespace corvalith::test
