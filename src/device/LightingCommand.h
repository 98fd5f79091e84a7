#pragma once

#include "device/CommandFrame.h"
#include "profile/ProfileSettings.h"

namespace corvalith {

// The mouse lighting mode command 0x06 for the working profile's mode and its parameter.
class LightingCommand {
public:
    static Command ForProfile(const ProfileSettings& profile);
};

} // namespace corvalith
