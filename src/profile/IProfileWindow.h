#pragma once

namespace corvalith {

// The main window as the profile operations see it.
class IProfileWindow {
public:
    virtual ~IProfileWindow() = default;
    // Shows the working profile: the sliders, the settings pages and the button captions.
    virtual void ShowLoadedProfile() = 0;
    // Closes the profile manager, if it is open, and shows the views it covered again.
    virtual void CloseProfileManager() = 0;
};

} // namespace corvalith
