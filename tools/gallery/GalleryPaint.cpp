#include "GalleryPaint.h"

#include "framework/UiFont.h"
#include "skin/SkinPixels.h"

#include <algorithm>

namespace corvalith::gallery {

HFONT GalleryPaint::Font(int height, int weight) {
    return CreateUiFont({.Face = L"Arial",
                         .Height = height,
                         .Weight = weight,
                         .PitchAndFamily = FF_SWISS,
                         .Quality = CLEARTYPE_QUALITY});
}

void GalleryPaint::Text(HDC dc, const std::wstring& text, RECT rect, UINT format, COLORREF colour,
                        HFONT font) {
    const HGDIOBJ previous = ::SelectObject(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, colour);
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_NOPREFIX);
    ::SelectObject(dc, previous);
}

void GalleryPaint::Fill(HDC dc, const RECT& rect, COLORREF colour) {
    const HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc, &rect, brush);
    ::DeleteObject(brush);
}

void GalleryPaint::Frame(HDC dc, const RECT& rect, COLORREF colour, int width) {
    for (int i = 0; i < width; ++i) {
        const RECT ring{rect.left + i, rect.top + i, rect.right - i, rect.bottom - i};
        const HBRUSH brush = ::CreateSolidBrush(colour);
        ::FrameRect(dc, &ring, brush);
        ::DeleteObject(brush);
    }
}

void GalleryPaint::DrawFitted(const SkinImages& images, HDC dc, const std::string& skinPath,
                              const RECT& box) {
    std::optional<SkinImage> image = images.LoadImage(skinPath);
    if (!image) {
        Text(dc, L"missing", box, DT_CENTER | DT_VCENTER | DT_SINGLELINE, RGB(255, 80, 80), nullptr);
        return;
    }
    const int boxWidth = box.right - box.left;
    const int boxHeight = box.bottom - box.top;
    const double scale = std::min({1.0, static_cast<double>(boxWidth) / image->Width(),
                                   static_cast<double>(boxHeight) / image->Height()});
    const int width = std::max(1, static_cast<int>(image->Width() * scale));
    const int height = std::max(1, static_cast<int>(image->Height() * scale));
    const int x = box.left + (boxWidth - width) / 2;
    const int y = box.top + (boxHeight - height) / 2;
    const HDC source = ::CreateCompatibleDC(dc);
    const HGDIOBJ previous = ::SelectObject(source, image->Bitmap());
    if (image->HasAlpha()) {
        SkinPixels::Premultiply(image->Pixels());
        ::GdiFlush();
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        ::GdiAlphaBlend(dc, x, y, width, height, source, 0, 0, image->Width(), image->Height(), blend);
    } else {
        ::SetStretchBltMode(dc, HALFTONE);
        ::StretchBlt(dc, x, y, width, height, source, 0, 0, image->Width(), image->Height(), SRCCOPY);
    }
    ::SelectObject(source, previous);
    ::DeleteDC(source);
}

} // namespace corvalith::gallery
