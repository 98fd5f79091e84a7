#include "pages/win/CLightingPage.h"

#include "framework/CSourceDC.h"
#include "framework/Win32Rect.h"
#include "framework/WorldScale.h"
#include "skin/SkinFileNames.h"

namespace corvalith {

namespace {

const std::string kTrack = SkinFileNames::InSkins(SkinFileNames::kStageTrack);
const std::string kFill = SkinFileNames::InSkins(SkinFileNames::kStageTrackFilled);
constexpr RECT kTrackSource{1, 0, 128, 11};
const std::string kSelected = SkinFileNames::InSkins(SkinFileNames::kEnable);
const std::string kUnselected = SkinFileNames::InSkins(SkinFileNames::kDisable);
constexpr std::array<std::string_view, 5> kPercentScale{"0%", "25%", "50%", "75%", "100%"};
constexpr std::array<int, 5> kPercentLefts{100, 125, 155, 185, 215};
constexpr std::array<std::string_view, 5> kLevelScale{"1", "2", "3", "4", "5"};
constexpr int kMouseColourX = 24;

TextEntry CaptionOf(int mode) {
    switch (mode) {
    case 1:
        return TextEntry::LightStandard;
    case 2:
        return TextEntry::LightRespiration;
    case 3:
        return TextEntry::LightNeon;
    case 9:
        return TextEntry::LightStream;
    default:
        return TextEntry::LightFingerTapping;
    }
}

} // namespace

CLightingPage::CLightingPage(UINT templateId, PageContext context, std::string_view background,
                             LightingPageModel::Target target)
    : CSettingsPage(templateId, context, background, 11), model_(context.Working, target) {}

CLightingPage::~CLightingPage() {
    for (const HBITMAP wheel : {colourWheel_, sharpColourWheel_}) {
        if (wheel != nullptr) {
            DeleteObject(wheel);
        }
    }
}

CDMarker* CLightingPage::Slider(int rowMode) {
    const auto rows = LightingPageModel::Rows(model_.Which());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].Mode == rowMode) {
            return &sliders_[i];
        }
    }
    return nullptr;
}

void CLightingPage::CreateControls() {
    const auto rows = LightingPageModel::Rows(model_.Which());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        CDMarker& slider = sliders_[i];
        slider.Create(ToRect(rows[i].Slider), this, rows[i].SliderId());
        slider.SetSkinImages(context_.Skins, kTrackSource, kTrack, kFill);
        slider.SetRange(LightingPageModel::kMinimumLevel, LightingPageModel::kMaximumLevel);
    }
    colourWheel_ = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kColourWheelBitmap));
    sharpColourWheel_ = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kSharpColourWheelBitmap));
    SelectMode(model_.Mode());
}

void CLightingPage::ShowSliders() {
    for (const LightingPageModel::Row& row : LightingPageModel::Rows(model_.Which())) {
        CDMarker* slider = Slider(row.Mode);
        if (slider == nullptr || slider->Hwnd() == nullptr) {
            continue;
        }
        slider->EnableWindow(model_.SliderEnabled(row.Mode));
        slider->SetPosition(model_.SliderLevel(row.Mode));
    }
}

void CLightingPage::SelectMode(int mode) {
    const int notifications = model_.SelectMode(mode);
    // A mode the page cannot select leaves the sliders as they were.
    if (model_.Mode() == mode) {
        ShowSliders();
    }
    Invalidate(false);
    Announce(notifications);
}

LRESULT CLightingPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == CMarkerSlider::kNotification) {
        Announce(model_.SliderReleased(static_cast<int>(lParam), static_cast<int>(wParam)));
        return 0;
    }
    return CSettingsPage::WindowProc(message, wParam, lParam);
}

void CLightingPage::OnLButtonDown(UINT, POINT point) {
    const int mode = model_.Mode();
    const int notifications = model_.Click(point.x, point.y);
    if (model_.Mode() != mode) {
        ShowSliders();
    }
    Invalidate(false);
    Announce(notifications);
}

void CLightingPage::OnLButtonDblClk(UINT, POINT point) {
    const std::optional<int> swatch = model_.ColourSwatchAt(point.x, point.y);
    if (!swatch) {
        return;
    }
    if (const std::optional<Rgb> colour = context_.Prompts.ChooseColour(Hwnd())) {
        const int notifications = model_.ColourChosen(*swatch, *colour);
        InvalidatePageRect(LightingPageModel::Swatch(model_.Which(), *swatch));
        Announce(notifications);
    }
}

void CLightingPage::Draw(HDC dc) {
    const LanguageTable& t = context_.Language;
    const std::optional<int> selected = model_.SelectedRowMode();
    for (const LightingPageModel::Row& row : LightingPageModel::Rows(model_.Which())) {
        if (model_.DrawsOptions()) {
            DrawSkin(dc, selected == row.Mode ? kSelected : kUnselected, row.Toggle.Left, row.Toggle.Top);
        }
        // The caption may run on up to its slider: "Finger tapping" is wider than the usual 65 pixels.
        const Rect caption{row.Toggle.Right + 5, row.Toggle.Top - 5, row.Slider.Left, row.Toggle.Bottom + 5};
        DrawText(dc, t.Text(CaptionOf(row.Mode)), caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        for (std::size_t i = 0; i < kLevelScale.size(); ++i) {
            const int left = row.PercentScale ? kPercentLefts[i] : 100 + 30 * static_cast<int>(i);
            const Rect box{left, row.Slider.Bottom + 5, left + 30, row.Slider.Bottom + 20};
            DrawText(dc, row.PercentScale ? kPercentScale[i] : kLevelScale[i], box,
                     DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        }
    }
    const Rect first = LightingPageModel::Swatch(model_.Which(), 0);
    DrawText(dc, t.Text(TextEntry::MouseColor), {kMouseColourX, first.Top, first.Left, first.Top + 20},
             DT_LEFT | DT_TOP | DT_SINGLELINE);
    if (const std::optional<int> framed = model_.FramedSwatch()) {
        const Rect s = LightingPageModel::Swatch(model_.Which(), *framed);
        const HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
        for (int inset = 0; inset < 2; ++inset) {
            const RECT frame{s.Left - 1 + inset, s.Top - 1 + inset, s.Right + 1 - inset,
                             s.Bottom + 1 - inset};
            FrameRect(dc, &frame, white);
        }
        DeleteObject(white);
    }
    // The swatches go over the frame's inner line: the frame shows as one pixel around the swatch.
    for (int swatch = 0; swatch < LightingPageModel::kEditableSwatches; ++swatch) {
        FillSwatch(dc, LightingPageModel::Swatch(model_.Which(), swatch), model_.Colour(swatch));
    }
    DrawColourWheel(dc, LightingPageModel::Swatch(model_.Which(), LightingPageModel::kMultiColour));
}

void CLightingPage::DrawColourWheel(HDC dc, const Rect& box) const {
    // Above 100 % the wheel of twice the pixels is drawn onto the 1x wheel's size: pixel for pixel at
    // 200 %, shrunk smoothly between.
    const bool sharp = !WorldScale::Of(dc).IsIdentity() && sharpColourWheel_ != nullptr;
    const HBITMAP picture = sharp ? sharpColourWheel_ : colourWheel_;
    const int factor = sharp ? 2 : 1;
    BITMAP size{};
    if (picture == nullptr || ::GetObjectW(picture, sizeof size, &size) != sizeof size) {
        return;
    }
    const CSourceDC source(picture);
    if (!source.Valid()) {
        return;
    }
    // Centred in the swatch and cut to it; the rest of the swatch takes the colour of the picture's
    // top-left pixel, as a centred picture control fills it.
    const COLORREF corner = ::GetPixel(source, 0, 0);
    FillSwatch(dc, box, Rgb{GetRValue(corner), GetGValue(corner), GetBValue(corner)});
    const int width = box.Right - box.Left;
    const int height = box.Bottom - box.Top;
    const int pictureWidth = static_cast<int>(size.bmWidth) / factor;
    const int pictureHeight = static_cast<int>(size.bmHeight) / factor;
    const int x = box.Left + (width - pictureWidth) / 2;
    const int y = box.Top + (height - pictureHeight) / 2;
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, box.Left, box.Top, box.Right, box.Bottom);
    if (sharp) {
        ::StretchBlt(dc, x, y, pictureWidth, pictureHeight, source, 0, 0, size.bmWidth, size.bmHeight,
                     SRCCOPY);
    } else {
        ::BitBlt(dc, x, y, pictureWidth, pictureHeight, source, 0, 0, SRCCOPY);
    }
    ::RestoreDC(dc, saved);
}

} // namespace corvalith
