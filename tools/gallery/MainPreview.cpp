#include "MainPreview.h"

#include "ButtonSetup.h"
#include "GalleryPaint.h"
#include "app/SettingsDispatch.h"
#include "assign/AssignmentCatalogue.h"
#include "framework/CMemoryDC.h"
#include "framework/UiFont.h"
#include "framework/Win32Rect.h"
#include "platform/win/WideString.h"

#include <string>
#include <vector>

namespace corvalith::gallery {

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

} // namespace

MainPreview::MainPreview(const SkinImages& images, int view, int selectedSlot)
    : images_(images), selectedSlot_(selectedSlot),
      model_(images.SizeOf(MainWindowPlan::kButtonPanel).cy, images.SizeOf(MainWindowPlan::kAxisPanel).cy),
      panel_(images) {
    texts_.Fill("EN");
    for (const auto section :
         {MainWindowLayout::ButtonAssignment, MainWindowLayout::AxisSensitivity, MainWindowLayout::LiftOff}) {
        model_.Toggle(section, false);
    }
    model_.SelectView(view == 2 ? MainWindowPlan::View::Side : MainWindowPlan::View::Top);
    model_.SelectRow(MainWindowLayout::RowOfSlot(selectedSlot));
}

MainPreview::~MainPreview() {
    for (HFONT font : {font_, labelFont_}) {
        if (font != nullptr) {
            ::DeleteObject(font);
        }
    }
}

bool MainPreview::Create(int x, int y) {
    const SIZE size = images_.SizeOf(MainWindowPlan::kBackground);
    if (!CreateEx(0, nullptr, L"Corvalith gallery: main window", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                  RECT{x, y, x + size.cx, y + size.cy}, static_cast<HWND>(nullptr), 0)) {
        return false;
    }
    font_ = GalleryPaint::Font(13);
    labelFont_ =
        CreateUiFont({.Face = L"Arial", .Height = 13, .Weight = FW_DONTCARE, .PitchAndFamily = FF_SWISS});

    const MainWindowLayout& layout = model_.Layout();
    for (const MainWindowPlan::Button& plan : MainWindowPlan::Buttons()) {
        CBitmapBtn& button = controls_[static_cast<std::size_t>(plan.Id)];
        Rect box = plan.Box;
        if (plan.Id >= MainWindowPlan::Control::Header1) {
            box = layout.Header(static_cast<int>(plan.Id) -
                                static_cast<int>(MainWindowPlan::Control::Header1) + 1);
        }
        button.Create(ToRect(box), this);
        ButtonSetup::Images(button, images_, box.Width(), box.Height(), std::string(plan.Images[0]),
                            std::string(plan.Images[1]), std::string(plan.Images[2]),
                            std::string(plan.Images[3]));
        const std::wstring caption = plan.Caption ? WideString::FromUtf8(texts_.Text(*plan.Caption)) : L"";
        ButtonSetup::Caption(button, caption, 13, plan.Alignment >= 0 ? plan.Alignment : 1, plan.Indent);
    }
    controls_[static_cast<std::size_t>(model_.CurrentView() == MainWindowPlan::View::Top
                                           ? MainWindowPlan::Control::TopView
                                           : MainWindowPlan::Control::SideView)]
        .SetChecked(true);

    LanguageTable texts;
    texts.Fill("EN");
    const AssignmentCatalogue catalogue(texts);
    const auto captions = catalogue.DefaultCaptions();
    for (int slot = 0; slot < MainWindowLayout::kSlots; ++slot) {
        const Rect box = MainWindowLayout::DropDown(slot);
        CBitmapBtn& dropDown = dropDowns_[static_cast<std::size_t>(slot)];
        dropDown.Create(ToRect(box), this);
        const auto& images = MainWindowPlan::kDropDownImages;
        ButtonSetup::Images(dropDown, images_, box.Width(), box.Height(), std::string(images[0]),
                            std::string(images[1]), std::string(images[2]), std::string(images[3]));
        ButtonSetup::Caption(dropDown, WideString::FromUtf8(captions[static_cast<std::size_t>(slot)]), 13, 1);
        dropDown.SetChecked(slot == selectedSlot_);
    }

    std::optional<SkinImage> track = images_.LoadImage(MainWindowPlan::kSliderTrack);
    std::optional<SkinImage> fill = images_.LoadImage(MainWindowPlan::kSliderFill);
    const struct {
        CDMarker* slider;
        Rect box;
        int id;
        int minimum;
        int maximum;
        int position;
    } sliders[] = {
        {&xAxis_, layout.XSlider(), static_cast<int>(SettingsDispatch::Slider::X), 1, 11, 5},
        {&yAxis_, layout.YSlider(), static_cast<int>(SettingsDispatch::Slider::Y), 1, 11, 8},
        {&liftOff_, layout.LiftOffSlider(), static_cast<int>(SettingsDispatch::Slider::LiftOff), 0, 6, 3}};
    for (const auto& s : sliders) {
        s.slider->Create(ToRect(s.box), this, s.id);
        s.slider->SetImages(ToRect(MainWindowPlan::kSliderImage), track ? track->Bitmap() : nullptr,
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

void MainPreview::OnPaint() {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(hwnd_, &paint);
    const RECT client = GetClientRect();
    CMemoryDC canvas(dc, client.right, client.bottom);
    images_.DrawImageFile(canvas, MainWindowPlan::kBackground, 0, 0);
    // Lift-off switched on.
    const MainWindowPlan::State state{model_.CurrentView(), selectedSlot_, true};
    for (const MainWindowPlan::Image& image : MainWindowPlan::Images(model_.Layout(), state)) {
        images_.DrawImageFile(canvas, image.Path, image.X, image.Y);
    }
    for (const MainWindowPlan::Text& text : MainWindowPlan::Texts(model_.Layout(), texts_)) {
        const HFONT face = text.Face == MainWindowPlan::Font::Label ? labelFont_ : font_;
        const std::wstring words = WideString::FromUtf8(text.Words);
        switch (text.Place) {
        case MainWindowPlan::Placement::Line:
            GalleryPaint::Text(canvas, words, ToRect(text.Box), DT_LEFT | DT_SINGLELINE | DT_NOPREFIX, kWhite,
                               face);
            break;
        case MainWindowPlan::Placement::CentredLine:
            GalleryPaint::Text(canvas, words, ToRect(text.Box),
                               DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, kWhite, face);
            break;
        case MainWindowPlan::Placement::FromPoint:
            GalleryPaint::Text(canvas, words, RECT{text.Box.Left, text.Box.Top, client.right, client.bottom},
                               DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP, kWhite, face);
            break;
        }
    }
    canvas.CopyTo(dc);
    ::EndPaint(hwnd_, &paint);
}

} // namespace corvalith::gallery
