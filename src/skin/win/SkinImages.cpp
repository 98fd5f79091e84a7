#include "skin/win/SkinImages.h"

#include "platform/win32/WideString.h"
#include "skin/SkinPixels.h"

#include <objidl.h>

#include <gdiplus.h>

#include <cstring>

namespace corvalith {

namespace gp = Gdiplus::DllExports;

SkinImages::SkinImages(std::string programFolder, const IDirectoryListing* listing)
    : resolver_(std::move(programFolder), listing) {
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&gdiplusToken_, &input, nullptr) != Gdiplus::Ok) {
        gdiplusToken_ = 0;
    }
}

SkinImages::~SkinImages() {
    if (gdiplusToken_ != 0) {
        Gdiplus::GdiplusShutdown(gdiplusToken_);
    }
}

std::optional<SkinImage> SkinImages::DecodeFile(const std::wstring& path) {
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (gp::GdipCreateBitmapFromFile(path.c_str(), &bitmap) != Gdiplus::Ok || bitmap == nullptr) {
        return std::nullopt;
    }
    auto* image = reinterpret_cast<Gdiplus::GpImage*>(bitmap);
    UINT width = 0;
    UINT height = 0;
    Gdiplus::PixelFormat format = 0;
    gp::GdipGetImageWidth(image, &width);
    gp::GdipGetImageHeight(image, &height);
    gp::GdipGetImagePixelFormat(image, &format);

    const bool alpha = (format & (PixelFormatAlpha | PixelFormatPAlpha)) != 0;
    std::optional<SkinImage> decoded;
    if (width > 0 && height > 0 && width <= 32768 && height <= 32768) {
        decoded = SkinImage::Create(static_cast<int>(width), static_cast<int>(height), alpha ? 32 : 24);
    }
    if (decoded) {
        Gdiplus::GpRect area(0, 0, static_cast<INT>(width), static_cast<INT>(height));
        Gdiplus::BitmapData data{};
        const Gdiplus::PixelFormat wanted = alpha ? PixelFormat32bppARGB : PixelFormat24bppRGB;
        if (gp::GdipBitmapLockBits(bitmap, &area, Gdiplus::ImageLockModeRead, wanted, &data) == Gdiplus::Ok) {
            const std::size_t rowBytes = static_cast<std::size_t>(width) * (alpha ? 4 : 3);
            auto pixels = decoded->Pixels();
            for (UINT y = 0; y < height; ++y) {
                const auto* source =
                    static_cast<const std::uint8_t*>(data.Scan0) + static_cast<INT_PTR>(y) * data.Stride;
                std::memcpy(pixels.data() + static_cast<std::size_t>(y) * decoded->Pitch(), source, rowBytes);
            }
            gp::GdipBitmapUnlockBits(bitmap, &data);
        } else {
            decoded.reset();
        }
    }
    gp::GdipDisposeImage(image);
    return decoded;
}

std::optional<SkinImage> SkinImages::LoadImage(std::string_view skinPath) const {
    if (gdiplusToken_ == 0) {
        return std::nullopt;
    }
    return DecodeFile(WideString::FromUtf8(Resolve(skinPath)));
}

bool SkinImages::DrawImage(HDC dc, SkinImage& image, int x, int y) {
    if (dc == nullptr || image.Bitmap() == nullptr) {
        return false;
    }
    const HDC source = ::CreateCompatibleDC(dc);
    if (source == nullptr) {
        return false;
    }
    const HGDIOBJ previous = ::SelectObject(source, image.Bitmap());
    bool drawn;
    if (image.HasAlpha()) {
        SkinPixels::Premultiply(image.Pixels());
        ::GdiFlush();
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        drawn = ::AlphaBlend(dc, x, y, image.Width(), image.Height(), source, 0, 0, image.Width(),
                             image.Height(), blend) != FALSE;
    } else {
        drawn = ::BitBlt(dc, x, y, image.Width(), image.Height(), source, 0, 0, SRCCOPY) != FALSE;
    }
    ::SelectObject(source, previous);
    ::DeleteDC(source);
    return drawn;
}

bool SkinImages::DrawImageFile(HDC dc, std::string_view skinPath, int x, int y) const {
    if (dc == nullptr) {
        return false;
    }
    std::optional<SkinImage> image = LoadImage(skinPath);
    if (!image) {
        return false;
    }
    DrawImage(dc, *image, x, y);
    return true;
}

bool SkinImages::LoadBackground(HWND window, std::string_view skinPath, SkinImage& background) const {
    std::optional<SkinImage> image = LoadImage(skinPath);
    if (!image) {
        return false;
    }
    background = std::move(*image);
    if (window != nullptr) {
        ::SetWindowPos(window, nullptr, 0, 0, background.Width(), background.Height(),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return true;
}

SIZE SkinImages::ImageSize(std::string_view skinPath) const {
    const std::optional<SkinImage> image = LoadImage(skinPath);
    return image ? SIZE{image->Width(), image->Height()} : SIZE{0, 0};
}

} // namespace corvalith
