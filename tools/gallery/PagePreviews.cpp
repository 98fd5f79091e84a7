#include "PagePreviews.h"

#include "GalleryPaint.h"
#include "framework/CMemoryDC.h"
#include "skin/SkinFileNames.h"

namespace corvalith::gallery {

namespace {

const COLORREF kStageColours[7] = {RGB(255, 0, 0),   RGB(255, 128, 0), RGB(255, 255, 0), RGB(0, 255, 0),
                                   RGB(0, 160, 255), RGB(40, 40, 255), RGB(200, 0, 255)};
const int kStageCodes[7] = {4, 8, 16, 32, 48, 64, 120};
const bool kStageEnabled[7] = {true, true, true, true, true, false, false};

struct Mode {
    const wchar_t* caption;
    int top;
    int level;
};
const Mode kModes[5] = {
    {L"Standard", 20, 3}, {L"Respiration", 49, 2},     {L"Neon", 78, 4},
    {L"Stream", 107, 5},  {L"Finger tapping", 136, 6},
};
const COLORREF kPalette[5] = {RGB(143, 32, 32), RGB(255, 120, 0), RGB(0, 200, 255), RGB(120, 255, 80),
                              RGB(255, 255, 255)};

} // namespace

PagePreviews::~PagePreviews() {
    if (font_ != nullptr) {
        ::DeleteObject(font_);
    }
    if (wheel_ != nullptr) {
        ::DeleteObject(wheel_);
    }
}

bool PagePreviews::Create(CWnd* parent, int x, int y) {
    const std::string background = page_ == Page::Dpi ? SkinFileNames::InSkins(SkinFileNames::kDpiPage)
                                   : page_ == Page::Lighting
                                       ? SkinFileNames::InSkins(SkinFileNames::kLightingPage)
                                       : SkinFileNames::InSkins(SkinFileNames::kPollingPage);
    const SIZE size = images_.SizeOf(background);
    if (!CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                  RECT{x, y, x + size.cx, y + size.cy}, parent, 0)) {
        return false;
    }
    font_ = GalleryPaint::Font(page_ == Page::Dpi ? 10 : 11);
    if (page_ == Page::Dpi) {
        std::optional<SkinImage> track = images_.LoadImage(SkinFileNames::InSkins(SkinFileNames::kDpiTrack));
        std::optional<SkinImage> fill =
            images_.LoadImage(SkinFileNames::InSkins(SkinFileNames::kDpiTrackFilled));
        for (int i = 0; i < 7; ++i) {
            stages_[i].Create(RECT{25 + 30 * i, 3, 32 + 30 * i, 173}, this, 2027 + i);
            stages_[i].SetImages(RECT{0, 0, 7, 169}, track ? track->Bitmap() : nullptr,
                                 fill ? fill->Bitmap() : nullptr);
            stages_[i].SetRange(1, 120);
            stages_[i].SetPosition(kStageCodes[i]);
        }
    } else if (page_ == Page::Lighting) {
        std::optional<SkinImage> track =
            images_.LoadImage(SkinFileNames::InSkins(SkinFileNames::kStageTrack));
        std::optional<SkinImage> fill =
            images_.LoadImage(SkinFileNames::InSkins(SkinFileNames::kStageTrackFilled));
        for (int i = 0; i < 5; ++i) {
            levels_[i].Create(RECT{100, kModes[i].top, 228, kModes[i].top + 8}, this, 2037 + i);
            levels_[i].SetImages(RECT{1, 0, 128, 11}, track ? track->Bitmap() : nullptr,
                                 fill ? fill->Bitmap() : nullptr);
            levels_[i].SetRange(1, 6);
            levels_[i].SetPosition(kModes[i].level);
            levels_[i].EnableWindow(i == 0); // the Standard mode is chosen
        }
        wheel_ = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(148));
    }
    return true;
}

BOOL PagePreviews::OnEraseBkgnd(HDC) {
    return TRUE;
}

void PagePreviews::OnPaint() {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(hwnd_, &paint);
    const RECT client = GetClientRect();
    CMemoryDC canvas(dc, client.right, client.bottom);
    switch (page_) {
    case Page::Dpi:
        PaintDpi(canvas);
        break;
    case Page::Lighting:
        PaintLighting(canvas);
        break;
    case Page::Polling:
        images_.DrawImageFile(canvas, SkinFileNames::InSkins(SkinFileNames::kPollingPage), 0, 0);
        images_.DrawImageFile(canvas, SkinFileNames::InSkins(SkinFileNames::PollingRate(1000)), 57, 5);
        break;
    }
    canvas.CopyTo(dc);
    ::EndPaint(hwnd_, &paint);
}

void PagePreviews::PaintDpi(HDC dc) {
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kDpiPage), 0, 0);
    for (int i = 0; i < 7; ++i) {
        const int shift = 30 * i;
        images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kDpiValue), 20 + shift, 182);
        GalleryPaint::Text(dc, std::to_wstring(kStageCodes[i] * 100), RECT{20 + shift, 182, 45 + shift, 193},
                           DT_CENTER | DT_VCENTER | DT_SINGLELINE, RGB(255, 255, 255), font_);
        images_.DrawImageFile(dc,
                              kStageEnabled[i] ? SkinFileNames::InSkins(SkinFileNames::kEnable)
                                               : SkinFileNames::InSkins(SkinFileNames::kDisable),
                              25 + shift, 202);
        GalleryPaint::Fill(dc, RECT{25 + shift, 215, 35 + shift, 225}, kStageColours[i]);
    }
}

void PagePreviews::PaintLighting(HDC dc) {
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kLightingPage), 0, 0);
    const COLORREF white = RGB(255, 255, 255);
    for (int i = 0; i < 5; ++i) {
        const int top = kModes[i].top;
        images_.DrawImageFile(dc,
                              i == 0 ? SkinFileNames::InSkins(SkinFileNames::kEnable)
                                     : SkinFileNames::InSkins(SkinFileNames::kDisable),
                              10, top);
        GalleryPaint::Text(dc, kModes[i].caption, RECT{25, top - 5, 90, top + 14},
                           DT_LEFT | DT_VCENTER | DT_SINGLELINE, white, font_);
        const int scaleTop = top + 8 + 5;
        if (i == 0) {
            const wchar_t* percent[5] = {L"0%", L"25%", L"50%", L"75%", L"100%"};
            const int lefts[5] = {100, 125, 155, 185, 215};
            for (int k = 0; k < 5; ++k) {
                GalleryPaint::Text(dc, percent[k], RECT{lefts[k], scaleTop, lefts[k] + 30, scaleTop + 15},
                                   DT_LEFT | DT_VCENTER | DT_SINGLELINE, white, font_);
            }
        } else {
            for (int k = 0; k < 5; ++k) {
                GalleryPaint::Text(dc, std::to_wstring(k + 1),
                                   RECT{100 + 30 * k, scaleTop, 130 + 30 * k, scaleTop + 15},
                                   DT_LEFT | DT_VCENTER | DT_SINGLELINE, white, font_);
            }
        }
    }
    GalleryPaint::Text(dc, L"Mouse Color", RECT{24, 166, 98, 183}, DT_LEFT | DT_TOP | DT_SINGLELINE, white,
                       font_);
    for (int k = 0; k < 6; ++k) {
        const RECT swatch{100 + 22 * k, 166, 118 + 22 * k, 183};
        if (k < 5) {
            GalleryPaint::Fill(dc, swatch, kPalette[k]);
        } else if (wheel_ != nullptr) {
            const HDC source = ::CreateCompatibleDC(dc);
            const HGDIOBJ previous = ::SelectObject(source, wheel_);
            ::BitBlt(dc, swatch.left, swatch.top, 18, 16, source, 0, 0, SRCCOPY);
            ::SelectObject(source, previous);
            ::DeleteDC(source);
        }
    }
    // The chosen palette entry (0) carries the white frame.
    GalleryPaint::Frame(dc, RECT{99, 165, 119, 184}, white, 2);
}

} // namespace corvalith::gallery
