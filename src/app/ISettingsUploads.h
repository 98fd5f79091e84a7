#pragma once

#include "profile/ProfileSettings.h"

namespace corvalith {

// The writes that follow a change of the working profile: each sends its group to the mouse, saves the
// profile and refreshes the applied snapshot; the pointer settings go to Windows and are saved.
class ISettingsUploads {
public:
    virtual ~ISettingsUploads() = default;
    virtual void ApplySensitivity() = 0;
    virtual void ApplyLiftOff() = 0;
    virtual void ApplyDpi() = 0;
    virtual void ApplyPollingRate() = 0;
    virtual void ApplyLighting() = 0;
    virtual void ApplyPointerSettings() = 0;
    // Saves the working profile and its captions without writing to the mouse.
    virtual void SaveProfile() = 0;
};

} // namespace corvalith
