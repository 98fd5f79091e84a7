#include "DialogsPreview.h"

#include "GalleryPaint.h"
#include "framework/CMemoryDC.h"
#include "skin/SkinFileNames.h"

#include <string>

namespace corvalith::gallery {

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kWidth = 1274;
constexpr int kHeight = 930;
constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr UINT kLeft = DT_LEFT | DT_VCENTER | DT_SINGLELINE;

RECT Offset(RECT rect, int x, int y) {
    ::OffsetRect(&rect, x, y);
    return rect;
}

// An image button shows only as much of its image as the button is large.
void DrawClipped(const SkinImages& images, HDC dc, const std::string& path, const RECT& button) {
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, button.left, button.top, button.right, button.bottom);
    images.DrawImageFile(dc, path, button.left, button.top);
    ::RestoreDC(dc, saved);
}

} // namespace

DialogsPreview::~DialogsPreview() {
    if (font_ != nullptr) {
        ::DeleteObject(font_);
    }
    if (bold_ != nullptr) {
        ::DeleteObject(bold_);
    }
}

bool DialogsPreview::Create(int x, int y) {
    font_ = GalleryPaint::Font(13);
    bold_ = GalleryPaint::Font(14, 600);
    return CreateEx(0, nullptr, L"Corvalith gallery: dialogs", WS_POPUP | WS_VISIBLE,
                    RECT{x, y, x + kWidth, y + kHeight}, static_cast<HWND>(nullptr), 0);
}

BOOL DialogsPreview::OnEraseBkgnd(HDC) {
    return TRUE;
}

void DialogsPreview::PaintMacroManager(HDC dc, int x, int y) {
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kMacroManagement), x, y);
    GalleryPaint::Text(dc, L"Macro Manager", Offset({15, 0, 414, 31}, x, y), kLeft, kWhite, bold_);
    GalleryPaint::Text(dc, L"Select Macro", Offset({16, 60, 134, 78}, x, y), kCentred, kWhite, font_);
    GalleryPaint::Text(dc, L"Keystroke Sequence", Offset({148, 60, 266, 78}, x, y), kCentred, kWhite, font_);
    GalleryPaint::Text(dc, L"Options", Offset({279, 60, 397, 78}, x, y), kCentred, kWhite, font_);
    const wchar_t* macros[4] = {L"Macro1", L"Reload", L"Build order", L"Macro4"};
    for (int i = 0; i < 4; ++i) {
        const RECT row = Offset({23, 84 + 16 * i, 128, 100 + 16 * i}, x, y);
        if (i == 1) {
            GalleryPaint::Fill(dc, row, RGB(143, 32, 32));
        }
        GalleryPaint::Text(dc, macros[i], Offset({26, 84 + 16 * i, 128, 100 + 16 * i}, x, y), kLeft, kWhite,
                           font_);
    }
    const wchar_t* events[6] = {L"R \x2193", L"20 ms", L"R \x2191", L"35 ms", L"Ctrl \x2193", L"Ctrl \x2191"};
    for (int i = 0; i < 6; ++i) {
        GalleryPaint::Text(dc, events[i], Offset({158, 84 + 16 * i, 260, 100 + 16 * i}, x, y), kLeft, kWhite,
                           font_);
    }
    DrawClipped(images_, dc, SkinFileNames::InSkins(SkinFileNames::kRecordNormal),
                Offset({295, 87, 384, 111}, x, y));
    GalleryPaint::Text(dc, L"Start Recording", Offset({300, 87, 384, 111}, x, y), kLeft | DT_END_ELLIPSIS,
                       kWhite, font_);
    GalleryPaint::Text(dc, L"Record delay between keystrokes", Offset({290, 136, 366, 206}, x, y),
                       DT_LEFT | DT_WORDBREAK, kWhite, font_);
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kMacroPaneTick), x + 370, y + 144);
    GalleryPaint::Text(dc, L"Number of Loops", Offset({296, 299, 401, 314}, x, y), kLeft, kWhite, font_);
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kMacroPane), x + 296, y + 314);
    GalleryPaint::Text(dc, L"1", Offset({298, 333, 379, 345}, x, y), kCentred, kWhite, font_);
    const struct {
        RECT rect;
        std::string image;
        const wchar_t* text;
    } buttons[] = {
        {{17, 367, 75, 392}, SkinFileNames::InSkins(SkinFileNames::kNewOver), L"New"},
        {{77, 367, 135, 392}, SkinFileNames::InSkins(SkinFileNames::kNewNormal), L"Delete"},
        {{298, 394, 352, 422}, SkinFileNames::InSkins(SkinFileNames::kMacroCancelNormal), L"OK"},
        {{354, 394, 408, 422}, SkinFileNames::InSkins(SkinFileNames::kMacroCancelOver), L"Cancel"},
    };
    for (const auto& b : buttons) {
        images_.DrawImageFile(dc, b.image, x + b.rect.left, y + b.rect.top);
        GalleryPaint::Text(dc, b.text, Offset(b.rect, x, y), kCentred, kWhite, font_);
    }
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kMacroCloseNormal), x + 427, y + 17);
}

void DialogsPreview::PaintProfileManager(HDC dc, int x, int y) {
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kConfig), x, y);
    GalleryPaint::Text(dc, L"Configuration", Offset({10, 0, 90, 31}, x, y), kLeft, kWhite, font_);
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kCloseNormal), x + 240, y + 8);
    const wchar_t* profiles[3] = {L"Profile1", L"Profile2", L"Shooter"};
    for (int i = 0; i < 3; ++i) {
        const RECT row = Offset({2, 33 + 16 * i, 262, 49 + 16 * i}, x, y);
        if (i == 0) {
            GalleryPaint::Fill(dc, row, RGB(143, 32, 32));
        }
        GalleryPaint::Text(dc, profiles[i], Offset({6, 33 + 16 * i, 262, 49 + 16 * i}, x, y), kLeft,
                           RGB(250, 250, 250), font_);
    }
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kNewConfig), x + 14, y + 582);
    GalleryPaint::Text(dc, L"New", Offset({30, 575, 80, 598}, x, y), kLeft, kWhite, font_);
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kDelConfig), x + 124, y + 582);
    GalleryPaint::Text(dc, L"Delete", Offset({140, 575, 190, 598}, x, y), kLeft, kWhite, font_);
}

void DialogsPreview::PaintWarning(HDC dc, int x, int y) {
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kWarning), x, y);
    GalleryPaint::Text(dc, L"Note", Offset({10, 5, 200, 20}, x, y), DT_LEFT | DT_TOP | DT_SINGLELINE, kWhite,
                       font_);
    GalleryPaint::Text(
        dc,
        L"The Lift Off Distance function is off at the factory setting. it is recommended to use this "
        L"function on the solid color mouse pad .You can turn this function on/off in the driver.",
        Offset({56, 39, 296, 124}, x, y), DT_LEFT | DT_WORDBREAK, kWhite, font_);
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kWarningOptionNormal), x + 56, y + 85);
    GalleryPaint::Text(dc, L"ON", Offset({76, 85, 120, 97}, x, y), kLeft, kWhite, font_);
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kWarningOptionDown), x + 56, y + 103);
    GalleryPaint::Text(dc, L"OFF", Offset({76, 103, 120, 115}, x, y), kLeft, kWhite, font_);
    DrawClipped(images_, dc, SkinFileNames::InSkins(SkinFileNames::kWarningButtonDown),
                Offset({197, 128, 250, 150}, x, y));
    GalleryPaint::Text(dc, L"OK", Offset({197, 128, 250, 150}, x, y), kCentred, kWhite, font_);
    DrawClipped(images_, dc, SkinFileNames::InSkins(SkinFileNames::kWarningButtonNormal),
                Offset({255, 128, 308, 150}, x, y));
    GalleryPaint::Text(dc, L"Cancel", Offset({255, 128, 308, 150}, x, y), kCentred, kWhite, font_);
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kWarningCloseNormal), x + 300, y + 5);
}

void DialogsPreview::PaintKeyCapture(HDC dc, int x, int y) {
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kSingleKey), x, y);
    GalleryPaint::Text(dc, L"Please assign a key", Offset({34, 103, 220, 123}, x, y), kCentred, kWhite,
                       font_);
    GalleryPaint::Fill(dc, Offset({74, 129, 150, 143}, x, y), kWhite);
    GalleryPaint::Text(dc, L"F12", Offset({74, 129, 150, 143}, x, y), kCentred, RGB(0, 0, 0), font_);
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kCloseOver), x + 352, y + 6);
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kMacroCancelOver), x + 244, y + 250);
    GalleryPaint::Text(dc, L"Ok", Offset({244, 250, 308, 275}, x, y), kCentred, kWhite, font_);
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kMacroCancelNormal), x + 314, y + 250);
    GalleryPaint::Text(dc, L"Cancel", Offset({314, 250, 378, 275}, x, y), kCentred, kWhite, font_);
}

void DialogsPreview::PaintMacroAssignment(HDC dc, int x, int y) {
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kMacroKey), x, y);
    GalleryPaint::Text(dc, L"Please select a macro!", Offset({12, 96, 181, 128}, x, y),
                       DT_CENTER | DT_WORDBREAK, kWhite, font_);
    GalleryPaint::Text(dc, L"Reload", Offset({46, 128, 136, 144}, x, y), kLeft, kWhite, font_);
    const wchar_t* modes[3] = {L"Macro runs one-time after pressing the button.",
                               L"Macro runs endless loop until any button is pressed. ",
                               L"Macro runs endless loop until button is released. "};
    for (int i = 0; i < 3; ++i) {
        images_.DrawImageFile(dc,
                              i == 1 ? SkinFileNames::InSkins(SkinFileNames::kPaneTick)
                                     : SkinFileNames::InSkins(SkinFileNames::kPane),
                              x + 220, y + 78 + 50 * i);
        GalleryPaint::Text(dc, modes[i], Offset({240, 72 + 50 * i, 376, 102 + 50 * i}, x, y),
                           DT_LEFT | DT_WORDBREAK, kWhite, font_);
    }
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kCloseNormal), x + 352, y + 6);
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kNewNormal), x + 250, y + 250);
    GalleryPaint::Text(dc, L"OK", Offset({250, 250, 308, 275}, x, y), kCentred, kWhite, font_);
    images_.DrawImageFile(dc, SkinFileNames::InSkins(SkinFileNames::kNewOver), x + 314, y + 250);
    GalleryPaint::Text(dc, L"Cancel", Offset({314, 250, 372, 275}, x, y), kCentred, kWhite, font_);
}

void DialogsPreview::OnPaint() {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(hwnd_, &paint);
    CMemoryDC canvas(dc, kWidth, kHeight);
    GalleryPaint::Fill(canvas, RECT{0, 0, kWidth, kHeight}, RGB(60, 62, 66));
    images_.DrawImageFile(canvas, SkinFileNames::InSkins(SkinFileNames::kSplash), 8, 8);
    PaintMacroManager(canvas, 553, 8);
    PaintProfileManager(canvas, 1052, 8);
    PaintWarning(canvas, 8, 450);
    PaintKeyCapture(canvas, 8, 630);
    PaintMacroAssignment(canvas, 410, 630);
    canvas.CopyTo(dc);
    ::EndPaint(hwnd_, &paint);
}

} // namespace corvalith::gallery
