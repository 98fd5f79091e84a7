#include "app/SettingsDispatch.h"

namespace corvalith {

bool SettingsDispatch::OnSlider(int controlId, int position) {
    const auto value = static_cast<std::uint8_t>(position);
    switch (static_cast<Slider>(controlId)) {
    case Slider::X:
        working_.SensitivityX = value;
        uploads_.ApplySensitivity();
        return true;
    case Slider::Y:
        working_.SensitivityY = value;
        uploads_.ApplySensitivity();
        return true;
    case Slider::LiftOff:
        working_.LiftOffLevel = value;
        uploads_.ApplyLiftOff();
        return true;
    }
    return false;
}

void SettingsDispatch::OnSwitch(MainWindowLayout::SwitchPress press) {
    if (press == MainWindowLayout::SwitchPress::None) {
        return;
    }
    working_.LiftOffEnabled = press == MainWindowLayout::SwitchPress::On ? 1 : 0;
    uploads_.ApplyLiftOff();
}

bool SettingsDispatch::OnSettingsChanged(std::intptr_t code) {
    switch (static_cast<Change>(code)) {
    case Change::ReshowPanels:
        return true;
    case Change::PointerSpeed:
    case Change::DoubleClick:
    case Change::Scroll:
        // The pointer settings are not the mouse's, but they belong to the profile: saved at once, they
        // survive a show (which reloads the profile) and the next start (which applies them again).
        uploads_.ApplyPointerSettings();
        uploads_.SaveProfile();
        break;
    case Change::Dpi:
        uploads_.ApplyDpi();
        break;
    case Change::PollingRate:
        uploads_.ApplyPollingRate();
        break;
    case Change::Lighting:
        uploads_.ApplyLighting();
        break;
    }
    return false;
}

} // namespace corvalith
