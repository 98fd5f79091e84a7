#include "MainPreview.h"

#include "ButtonSetup.h"
#include "GalleryPaint.h"
#include "app/HotSpotPlan.h"
#include "framework/CMemoryDC.h"

#include <string>
#include <vector>

namespace corvalith::gallery {

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// The drop-down rows: slot i at top y(i); rows 4 and 5 show slots 4 and 3.
const int kRowTop[7] = {154, 174, 194, 234, 214, 254, 274};
const wchar_t* const kSlotCaption[7] = {L"Click",   L"Menu",  L"Scroll ", L"Back",
                                        L"Forward", L"DPI +", L"DPI -"};

} // namespace

MainPreview::MainPreview(const SkinImages& images, int view, int selectedSlot)
    : images_(images), view_(view), selectedSlot_(selectedSlot), panel_(images) {}

MainPreview::~MainPreview() {
    if (font_ != nullptr) {
        ::DeleteObject(font_);
    }
}

bool MainPreview::Create(int x, int y) {
    const SIZE size = images_.ImageSize("/skins/main.png");
    if (!CreateEx(0, nullptr, L"Corvalith gallery: main window", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                  RECT{x, y, x + size.cx, y + size.cy}, static_cast<HWND>(nullptr), 0)) {
        return false;
    }
    font_ = GalleryPaint::Font(13);

    reset_.Create(RECT{923, 604, 980, 634}, this);
    ButtonSetup::Images(reset_, images_, 57, 30, "\\skins\\button-cancel-normal.png",
                        "\\skins\\button-cancel-over.png", "\\skins\\button-cancel-leave.png",
                        "\\skins\\button-save-leave.png");
    ButtonSetup::Caption(reset_, L"Reset", 13, 0);
    const struct {
        CBitmapBtn* button;
        int left;
        const char* name;
    } titleButtons[] = {{&close_, 979, "close"}, {&minimise_, 958, "min"}, {&help_, 937, "help"}};
    for (const auto& t : titleButtons) {
        t.button->Create(RECT{t.left, 5, t.left + 15, 20}, this);
        const std::string normal = std::string("\\skins\\button-") + t.name + "-normal.png";
        ButtonSetup::Images(*t.button, images_, 15, 15, normal,
                            std::string("\\skins\\button-") + t.name + "-over.png", normal, normal);
    }
    config_.Create(RECT{18, 604, 158, 634}, this);
    ButtonSetup::Images(config_, images_, 140, 30, "\\skins\\button-config-normal.png",
                        "\\skins\\button-config-over.png", "\\skins\\button-config-normal.png",
                        "\\skins\\button-config-normal.png");
    ButtonSetup::Caption(config_, L"Config", 13, 1, 20);
    topView_.Create(RECT{435, 527, 497, 556}, this);
    sideView_.Create(RECT{505, 527, 567, 556}, this);
    for (CBitmapBtn* view : {&topView_, &sideView_}) {
        ButtonSetup::Images(*view, images_, 62, 29, "\\skins\\button-mouse-normal.png",
                            "\\skins\\button-mouse-over.png", "\\skins\\button-mouse-leave.png",
                            "\\skins\\button-mouse-normal.png");
    }
    ButtonSetup::Caption(topView_, L"Top View", 13, 0);
    ButtonSetup::Caption(sideView_, L"Side View", 13, 0);
    (view_ == 1 ? topView_ : sideView_).SetChecked(true);

    // All three sections open: header 2 and 3 below the assignment panel (170 high), header 4 below
    // the axis panel (125 high).
    const int headerTops[4] = {107, 302, 327, 477};
    const wchar_t* headerCaptions[4] = {L"Button Assignment", L"Macro Manager", L"Axis Sensitivity",
                                        L"Lift off distance"};
    for (int i = 0; i < 4; ++i) {
        headers_[i].Create(RECT{20, headerTops[i], 262, headerTops[i] + 20}, this);
        const char* image = i == 3 ? "\\skins\\ItemBK-LOD.png" : "\\skins\\ItemBK.png";
        ButtonSetup::Images(headers_[i], images_, 242, 20, image, image, image, image);
        ButtonSetup::Caption(headers_[i], headerCaptions[i], 13, 1);
    }
    for (int slot = 0; slot < 7; ++slot) {
        dropDowns_[slot].Create(RECT{120, kRowTop[slot], 250, kRowTop[slot] + 16}, this);
        ButtonSetup::Images(dropDowns_[slot], images_, 130, 16,
                            "\\skins\\ButtonAssignment\\DropdownBox-normal.png",
                            "\\skins\\ButtonAssignment\\DropdownBox-over.png",
                            "\\skins\\ButtonAssignment\\DropdownBox-over.png",
                            "\\skins\\ButtonAssignment\\DropdownBox-normal.png");
        ButtonSetup::Caption(dropDowns_[slot], kSlotCaption[slot], 13, 1);
        dropDowns_[slot].SetChecked(slot == selectedSlot_);
    }

    std::optional<SkinImage> track = images_.LoadImage("\\skins\\XYSensitivity\\1.png");
    std::optional<SkinImage> fill = images_.LoadImage("\\skins\\XYSensitivity\\2.png");
    const struct {
        CDMarker* slider;
        int top;
        int id;
        int minimum;
        int maximum;
        int position;
    } sliders[] = {
        {&xAxis_, 372, 2025, 1, 11, 5}, {&yAxis_, 432, 2026, 1, 11, 8}, {&liftOff_, 538, 2046, 0, 6, 3}};
    for (const auto& s : sliders) {
        s.slider->Create(RECT{37, s.top, 245, s.top + 9}, this, s.id);
        s.slider->SetImages(RECT{0, 0, 208, 14}, track ? track->Bitmap() : nullptr,
                            fill ? fill->Bitmap() : nullptr);
        s.slider->SetRange(s.minimum, s.maximum);
        s.slider->SetPosition(s.position);
    }

    panel_.Create(this, RECT{735, 32, 995, 593});
    return true;
}

BOOL MainPreview::OnEraseBkgnd(HDC) {
    return TRUE;
}

void MainPreview::PaintHotSpots(HDC dc) {
    // The same choice of images the main window makes.
    for (const HotSpotPlan::Image& image :
         HotSpotPlan::For(view_, selectedSlot_ < 0 ? 255 : selectedSlot_ + 1)) {
        images_.DrawImageFile(dc, image.Path, image.X, image.Y);
    }
}

void MainPreview::PaintSections(HDC dc) {
    // Section 1: the assignment panel and the row labels.
    images_.DrawImageFile(dc, "/Skins/ButtonAssignment/BK_ButtonAssignment.png", 20, 127);
    for (int k = 0; k < 7; ++k) {
        GalleryPaint::Text(dc, L"Button " + std::to_wstring(k + 1), RECT{31, 156 + 20 * k, 115, 170 + 20 * k},
                           DT_LEFT | DT_VCENTER | DT_SINGLELINE, kWhite, font_);
    }
    // Section 2 under header 3 (left 20, bottom 347).
    const int l = 20;
    int b = 347;
    images_.DrawImageFile(dc, "/Skins/XYSensitivity/BK_XYSensSetting.png", l, b);
    GalleryPaint::Text(dc, L"x-Axis", RECT{l + 17, b + 5, 262, b + 25}, DT_LEFT | DT_VCENTER | DT_SINGLELINE,
                       kWhite, font_);
    GalleryPaint::Text(dc, L"y-Axis", RECT{l + 17, b + 65, 262, b + 85}, DT_LEFT | DT_VCENTER | DT_SINGLELINE,
                       kWhite, font_);
    for (int k = 1; k <= 10; ++k) {
        const int x = l + 24 + 21 * (k - 1);
        GalleryPaint::Text(dc, std::to_wstring(k), RECT{x, b + 37, 262, b + 57},
                           DT_LEFT | DT_VCENTER | DT_SINGLELINE, kWhite, font_);
        GalleryPaint::Text(dc, std::to_wstring(k), RECT{x, b + 97, 262, b + 117},
                           DT_LEFT | DT_VCENTER | DT_SINGLELINE, kWhite, font_);
    }
    // Section 3 under header 4 (bottom 497), lift-off switched on.
    b = 497;
    images_.DrawImageFile(dc, "/Skins/SilentHeihgt/sh-bk.png", l, b);
    images_.DrawImageFile(dc, "Skins\\Enable.png", l + 20, b + 14);
    images_.DrawImageFile(dc, "Skins\\Disable.png", l + 158, b + 14);
    GalleryPaint::Text(dc, L"ON", RECT{l + 36, b + 14, 262, b + 25}, DT_LEFT | DT_VCENTER | DT_SINGLELINE,
                       kWhite, font_);
    GalleryPaint::Text(dc, L"OFF", RECT{l + 176, b + 14, 262, b + 25}, DT_LEFT | DT_VCENTER | DT_SINGLELINE,
                       kWhite, font_);
    const int scale[6] = {24, 55, 97, 136, 180, 218};
    for (int k = 0; k < 6; ++k) {
        GalleryPaint::Text(dc, std::to_wstring(k + 1), RECT{l + scale[k], b + 54, 262, b + 65},
                           DT_LEFT | DT_VCENTER | DT_SINGLELINE, kWhite, font_);
    }
}

void MainPreview::OnPaint() {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(hwnd_, &paint);
    const RECT client = GetClientRect();
    CMemoryDC canvas(dc, client.right, client.bottom);
    images_.DrawImageFile(canvas, "/skins/main.png", 0, 0);
    images_.DrawImageFile(canvas, "Skins\\Logo.png", 20, 32);
    images_.DrawImageFile(canvas, "Skins\\BK_MainMid.png", 262, 2);
    if (view_ == 1) {
        images_.DrawImageFile(canvas, "Skins\\Mouse\\Front\\MouseFront.png", 395, 85);
    } else {
        images_.DrawImageFile(canvas, "Skins\\Mouse\\Side\\MouseSide.png", 300, 226);
    }
    PaintHotSpots(canvas);
    images_.DrawImageFile(canvas, "/Skins/BK_MainLeft.png", 20, 107);
    images_.DrawImageFile(canvas, "Skins\\MLogo.png", 40, 525);
    PaintSections(canvas);
    GalleryPaint::Text(
        canvas,
        L"Note: the color of the product in drive is for reference only,please take real product as "
        L"criterion, thank you!",
        RECT{194, 612, 900, 630}, DT_LEFT | DT_TOP | DT_SINGLELINE, kWhite, font_);
    canvas.CopyTo(dc);
    ::EndPaint(hwnd_, &paint);
}

} // namespace corvalith::gallery
