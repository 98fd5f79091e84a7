#include "device/LightingCommand.h"

#include "device/CommandCode.h"

namespace corvalith {

namespace {

constexpr std::uint8_t kLighting = Code(CommandCode::Lighting);

} // namespace

Command LightingCommand::ForProfile(const ProfileSettings& profile) {
    const std::uint8_t mode = profile.MouseLightMode;
    // Only modes 1 to 9 have a parameter; any other mode sends the "off" frame without reading one.
    if (mode < 1 || mode > ProfileSettings::kLightModes) {
        return Command{kLighting};
    }
    const std::uint8_t p = profile.MouseLightParams[mode - 1];
    const auto speed = static_cast<std::uint8_t>(12 - p);
    switch (mode) {
    case 1:
        return p == 1 ? Command{kLighting} : Command{kLighting, 0x00, 0x00, static_cast<std::uint8_t>(p * 8)};
    case 2:
        return Command{kLighting, 0x01, static_cast<std::uint8_t>(profile.MouseColorIndex == 5 ? 0x07 : 0x00),
                       0x32, speed};
    case 3:
        return Command{kLighting, 0x02, 0x07, 0x32, speed};
    case 4:
        return Command{kLighting, 0x03, 0x07, 0x32, speed};
    case 9:
        return Command{kLighting, 0x04, 0x07, 0x32, speed};
    default:
        return Command{kLighting};
    }
}

} // namespace corvalith
