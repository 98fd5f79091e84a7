#pragma once

#include "device/CommandFrame.h"
#include "device/HidTransport.h"
#include "device/ProfileGroup.h"
#include "profile/ProfileSettings.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace corvalith {

// The commands and blocks a profile's settings become, group by group.
class ProfileCommands {
public:
    static Command Sensitivity(const ProfileSettings& profile);
    // The seven stage colours as red, green, blue, then zeros.
    static std::array<std::uint8_t, HidTransport::kChunk> DpiColours(const ProfileSettings& profile);
    static Command DpiUpperStages(const ProfileSettings& profile);
    // currentStage: the stage the mouse reported, written back unchanged.
    static Command DpiStages(const ProfileSettings& profile, std::uint8_t currentStage);
    // The colour in use, which replaces the mouse's own in the lighting block; none for an index past the
    // palette, which leaves the mouse's colour.
    static std::optional<Rgb> LightingColour(const ProfileSettings& profile);
    static Command LiftOff(const ProfileSettings& profile);

    // Everything of the profile that a group's reports carry: two profiles with the same bytes for a group
    // leave the mouse holding the same for it.
    static std::vector<std::uint8_t> GroupBytes(ProfileGroup group, const ProfileSettings& profile);
};

} // namespace corvalith
