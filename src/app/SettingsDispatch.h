#pragma once

#include "app/ISettingsUploads.h"
#include "app/MainWindowLayout.h"
#include "pages/SettingsChange.h"
#include "profile/ProfileSettings.h"

#include <cstdint>

namespace corvalith {

// Where a change made in the main window or on a settings page goes: the profile field it sets and the
// upload that follows.
class SettingsDispatch {
public:
    // The control ids of the main window's three sliders.
    enum class Slider { X = 2025, Y = 2026, LiftOff = 2046 };
    // lParam of the settings-changed notification.
    using Change = SettingsChange;

    SettingsDispatch(ProfileSettings& working, ISettingsUploads& uploads)
        : working_(working), uploads_(uploads) {}

    // A slider was released at position; other control ids do nothing (false).
    bool OnSlider(int controlId, int position);
    // A press on the lift-off switch.
    void OnSwitch(MainWindowLayout::SwitchPress press);
    // A settings page changed the profile; true when the window has to show its left panel again (the
    // profile manager closed), which only the window can do.
    bool OnSettingsChanged(std::intptr_t code);

private:
    ProfileSettings& working_;
    ISettingsUploads& uploads_;
};

} // namespace corvalith
