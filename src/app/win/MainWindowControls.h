#pragma once

#include "app/MainWindowLayout.h"
#include "app/MainWindowModel.h"
#include "app/MainWindowPlan.h"
#include "app/SettingsDispatch.h"
#include "lang/LanguageTable.h"
#include "pages/win/CDMarker.h"
#include "profile/ProfileSettings.h"
#include "skin/win/CPaintedButton.h"
#include "skin/win/CPaintedButtons.h"

#include <array>
#include <string>

namespace corvalith {

class SkinImages;

// The main window's controls: the image buttons of its plan and the drop-down boxes of the button rows,
// which the window draws itself, and the three sliders. They are placed, shown and checked from the
// window model's state.
class MainWindowControls {
public:
    // Command ids of the image buttons: the window's own buttons in plan order, then the drop-down boxes
    // by slot.
    enum ButtonCommand : UINT { kFirstControlCommand = 0x1100, kFirstDropDownCommand = 0x1120 };
    // Control identifiers of the three sliders.
    static constexpr int kXSliderId = static_cast<int>(SettingsDispatch::Slider::X);
    static constexpr int kYSliderId = static_cast<int>(SettingsDispatch::Slider::Y);
    static constexpr int kLiftOffSliderId = static_cast<int>(SettingsDispatch::Slider::LiftOff);

    using Captions = std::array<std::string, ProfileSettings::kButtonSlots>;

    static bool IsControlCommand(UINT id) {
        return id >= kFirstControlCommand && id < kFirstControlCommand + MainWindowPlan::kControls;
    }
    static bool IsDropDownCommand(UINT id) {
        return id >= kFirstDropDownCommand && id < kFirstDropDownCommand + MainWindowLayout::kSlots;
    }

    // Makes every control of the window, with the captions of the button slots; fontFace: the language's.
    void Build(CWnd& window, const SkinImages& skins, const LanguageTable& texts,
               const std::wstring& fontFace, const Captions& captions);
    // Moves the headers and sliders to the layout's places and shows what its open sections hold.
    void PlaceSections(const MainWindowLayout& layout);
    // Brings the checks of the row boxes and the view buttons up to date, invalidating what changed.
    void ApplyChecks(const MainWindowModel::Changes& changes, const MainWindowModel& model);
    // The left panel's controls hidden under the profile manager; buttonsOpen: the row boxes are shown.
    void HideUnderProfileManager(bool buttonsOpen);
    // The headers shown again, and the sections' controls as the layout says.
    void ShowLeftPanel(const MainWindowLayout& layout);
    // The captions of the row boxes, invalidated.
    void SetCaptions(const Captions& captions);
    void SetCaption(std::size_t slot, const std::string& caption);
    void SetSliders(const ProfileSettings& profile);

    CPaintedButtons& Painted() { return buttons_; }
    CDMarker& XSlider() { return xSlider_; }
    CDMarker& YSlider() { return ySlider_; }
    CDMarker& LiftOffSlider() { return liftOffSlider_; }
    CPaintedButton& DropDown(int slot) { return dropDowns_[static_cast<std::size_t>(slot)]; }
    CPaintedButton& ButtonOf(MainWindowPlan::Control id) { return controls_[static_cast<std::size_t>(id)]; }
    CPaintedButton& Header(int number) {
        return ButtonOf(static_cast<MainWindowPlan::Control>(
            static_cast<int>(MainWindowPlan::Control::Header1) + number - 1));
    }
    CPaintedButton& ViewButton(int view) {
        return ButtonOf(view == 1 ? MainWindowPlan::Control::TopView : MainWindowPlan::Control::SideView);
    }

private:
    void Initialise(CPaintedButton& button, const RECT& rect, UINT commandId,
                    const std::array<std::string_view, 4>& images, const std::string& caption);

    const SkinImages* skins_ = nullptr;
    std::wstring fontFace_;
    std::array<CPaintedButton, MainWindowPlan::kControls> controls_;
    std::array<CPaintedButton, MainWindowLayout::kSlots> dropDowns_;
    CPaintedButtons buttons_;
    CDMarker xSlider_, ySlider_, liftOffSlider_;
};

} // namespace corvalith
