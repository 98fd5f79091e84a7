#include "app/win/MainWindowControls.h"

#include "framework/Win32Rect.h"
#include "platform/win/WideString.h"
#include "skin/win/SkinImages.h"

namespace corvalith {

namespace {

using Id = MainWindowPlan::Control;

} // namespace

void MainWindowControls::Initialise(CPaintedButton& button, const RECT& rect, UINT commandId,
                                    const std::array<std::string_view, 4>& images,
                                    const std::string& caption) {
    buttons_.Add(button, rect, commandId);
    ImageButtonFace& face = button.Face();
    face.SetCaption(WideString::FromUtf8(caption));
    face.SetFontFace(fontFace_);
    face.SetFontHeight(13);
    const RECT source{0, 0, rect.right - rect.left, rect.bottom - rect.top};
    face.SetSkinImages(*skins_, source, images[0], images[1], images[2], images[3]);
}

void MainWindowControls::Build(CWnd& window, const SkinImages& skins, const LanguageTable& texts,
                               const std::wstring& fontFace, const Captions& captions) {
    skins_ = &skins;
    fontFace_ = fontFace;
    buttons_.SetParent(window.Hwnd());
    for (const MainWindowPlan::Button& plan : MainWindowPlan::Buttons()) {
        CPaintedButton& button = ButtonOf(plan.Id);
        Initialise(button, ToRect(plan.Box), kFirstControlCommand + static_cast<UINT>(plan.Id), plan.Images,
                   plan.Caption ? texts.Text(*plan.Caption) : "");
        if (plan.Alignment >= 0) {
            button.Face().SetAlignment(plan.Alignment);
        }
        if (plan.Indent != 0) {
            button.Face().SetIndent(plan.Indent);
        }
    }
    for (int row = 1; row <= MainWindowLayout::kSlots; ++row) {
        const int slot = MainWindowLayout::SlotOfRow(row);
        Initialise(dropDowns_[static_cast<std::size_t>(slot)], ToRect(MainWindowLayout::DropDown(slot)),
                   kFirstDropDownCommand + static_cast<UINT>(slot), MainWindowPlan::kDropDownImages,
                   captions[static_cast<std::size_t>(slot)]);
    }

    const std::pair<CDMarker*, int> sliders[] = {
        {&xSlider_, kXSliderId}, {&ySlider_, kYSliderId}, {&liftOffSlider_, kLiftOffSliderId}};
    for (const auto& [slider, id] : sliders) {
        slider->Create(RECT{}, &window, id);
        slider->SetSkinImages(skins, ToRect(MainWindowPlan::kSliderImage), MainWindowPlan::kSliderTrack,
                              MainWindowPlan::kSliderFill);
        slider->SetAcceptsMouse(true);
    }
    xSlider_.SetRange(1, 11);
    ySlider_.SetRange(1, 11);
    liftOffSlider_.SetRange(0, 6);
    // The window starts with the top view.
    ButtonOf(Id::TopView).SetChecked(true);
}

void MainWindowControls::PlaceSections(const MainWindowLayout& l) {
    for (int number = 2; number <= 4; ++number) {
        Header(number).Move(ToRect(l.Header(number)));
    }
    const bool buttons = !l.IsCollapsed(MainWindowLayout::ButtonAssignment);
    const bool axes = !l.IsCollapsed(MainWindowLayout::AxisSensitivity);
    const bool liftOff = !l.IsCollapsed(MainWindowLayout::LiftOff);
    for (CPaintedButton& dropDown : dropDowns_) {
        dropDown.Show(buttons);
    }
    xSlider_.Place(ToRect(l.XSlider()));
    ySlider_.Place(ToRect(l.YSlider()));
    liftOffSlider_.Place(ToRect(l.LiftOffSlider()));
    xSlider_.ShowWindow(axes ? SW_SHOW : SW_HIDE);
    ySlider_.ShowWindow(axes ? SW_SHOW : SW_HIDE);
    liftOffSlider_.ShowWindow(liftOff ? SW_SHOW : SW_HIDE);
}

void MainWindowControls::ApplyChecks(const MainWindowModel::Changes& changes, const MainWindowModel& model) {
    if (changes.RowChecks) {
        for (std::size_t slot = 0; slot < dropDowns_.size(); ++slot) {
            const bool checked = static_cast<int>(slot) == model.SelectedSlot();
            if (dropDowns_[slot].IsChecked() != checked) {
                dropDowns_[slot].SetChecked(checked);
                dropDowns_[slot].Invalidate();
            }
        }
    }
    if (changes.ViewButtons) {
        const bool top = model.CurrentView() == MainWindowPlan::View::Top;
        ButtonOf(Id::TopView).SetChecked(top);
        ButtonOf(Id::SideView).SetChecked(!top);
        ButtonOf(Id::TopView).Invalidate();
        ButtonOf(Id::SideView).Invalidate();
    }
}

void MainWindowControls::HideUnderProfileManager(bool buttonsOpen) {
    for (int number = 1; number <= 4; ++number) {
        Header(number).Show(false);
    }
    for (CDMarker* slider : {&xSlider_, &ySlider_, &liftOffSlider_}) {
        slider->ShowWindow(SW_HIDE);
    }
    if (buttonsOpen) {
        for (CPaintedButton& box : dropDowns_) {
            box.Show(false);
        }
    }
}

void MainWindowControls::ShowLeftPanel(const MainWindowLayout& layout) {
    for (int number = 1; number <= 4; ++number) {
        Header(number).Show(true);
    }
    PlaceSections(layout);
}

void MainWindowControls::SetCaptions(const Captions& captions) {
    for (std::size_t slot = 0; slot < dropDowns_.size(); ++slot) {
        dropDowns_[slot].SetCaption(WideString::FromUtf8(captions[slot]));
        dropDowns_[slot].Invalidate();
    }
}

void MainWindowControls::SetCaption(std::size_t slot, const std::string& caption) {
    if (slot >= dropDowns_.size()) {
        return;
    }
    dropDowns_[slot].SetCaption(WideString::FromUtf8(caption));
    dropDowns_[slot].Invalidate();
}

void MainWindowControls::SetSliders(const ProfileSettings& p) {
    xSlider_.SetPosition(p.SensitivityX);
    ySlider_.SetPosition(p.SensitivityY);
    liftOffSlider_.SetPosition(p.LiftOffLevel);
    liftOffSlider_.EnableWindow(p.LiftOffEnabled != 0);
}

} // namespace corvalith
