#pragma once

#include "profile/ProfileSettings.h"

namespace corvalith {

// Applies a profile's Windows pointer settings: speed and precision, double-click time, scroll lines.
class IPointerSettingsApplier {
public:
    virtual ~IPointerSettingsApplier() = default;
    virtual void ApplyPointerSettings(const ProfileSettings& profile) = 0;
};

} // namespace corvalith
