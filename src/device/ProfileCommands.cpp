#include "device/ProfileCommands.h"

#include "device/ButtonFunctionCode.h"
#include "device/CommandCode.h"
#include "device/LightingCommand.h"

#include <cstring>

namespace corvalith {

namespace {

std::uint8_t StageCode(std::uint8_t dpiValue) {
    return static_cast<std::uint8_t>(dpiValue - 1);
}

template <typename Bytes> void Append(std::vector<std::uint8_t>& to, const Bytes& bytes) {
    for (const std::uint8_t byte : bytes) {
        to.push_back(byte);
    }
}

} // namespace

Command ProfileCommands::Sensitivity(const ProfileSettings& p) {
    return Command{Code(CommandCode::Sensitivity), static_cast<std::uint8_t>(p.SensitivityX * 20),
                   static_cast<std::uint8_t>(p.SensitivityY * 20)};
}

std::array<std::uint8_t, HidTransport::kChunk> ProfileCommands::DpiColours(const ProfileSettings& p) {
    std::array<std::uint8_t, HidTransport::kChunk> colours{};
    std::memcpy(colours.data(), p.DpiStageColors, ProfileSettings::kDpiStages * sizeof(Rgb));
    return colours;
}

Command ProfileCommands::DpiUpperStages(const ProfileSettings& p) {
    const std::uint8_t* b = p.DpiValuesB;
    return Command{Code(CommandCode::DpiUpperStages), StageCode(b[4]), StageCode(b[5]), StageCode(b[6])};
}

Command ProfileCommands::DpiStages(const ProfileSettings& p, std::uint8_t currentStage) {
    std::uint8_t mask = 0x80;
    for (std::size_t stage = 0; stage < ProfileSettings::kDpiStages; ++stage) {
        if (p.DpiStageEnabled[stage] != 0) {
            mask |= static_cast<std::uint8_t>(1u << stage);
        }
    }
    const std::uint8_t* b = p.DpiValuesB;
    return Command{Code(CommandCode::DpiStages),
                   currentStage,
                   mask,
                   StageCode(b[0]),
                   StageCode(b[1]),
                   StageCode(b[2]),
                   StageCode(b[3])};
}

std::optional<Rgb> ProfileCommands::LightingColour(const ProfileSettings& p) {
    if (p.MouseColorIndex < ProfileSettings::kPaletteSize) {
        return p.MouseColors[p.MouseColorIndex];
    }
    return std::nullopt;
}

Command ProfileCommands::LiftOff(const ProfileSettings& p) {
    return Command{Code(CommandCode::LiftOff), p.LiftOffEnabled != 0 ? p.LiftOffLevel : std::uint8_t{0x06}};
}

std::vector<std::uint8_t> ProfileCommands::GroupBytes(ProfileGroup group, const ProfileSettings& p) {
    std::vector<std::uint8_t> bytes;
    switch (group) {
    case ProfileGroup::PollingRate:
        bytes.push_back(p.ReportRate);
        break;
    case ProfileGroup::Sensitivity:
        Append(bytes, Sensitivity(p));
        break;
    case ProfileGroup::Dpi:
        Append(bytes, DpiColours(p));
        Append(bytes, DpiUpperStages(p));
        Append(bytes, DpiStages(p, 0));
        break;
    case ProfileGroup::ButtonTable:
        Append(bytes, ButtonFunctionCode::Table(p));
        break;
    case ProfileGroup::Macros:
        Append(bytes, std::span<const std::uint8_t>(&p.MacroBlockTable[0][0], sizeof p.MacroBlockTable));
        break;
    case ProfileGroup::Lighting: {
        const std::optional<Rgb> colour = LightingColour(p);
        // A profile that keeps the mouse's own colour differs from every profile that sets one.
        bytes = {colour.has_value(), colour ? colour->Red : std::uint8_t{0},
                 colour ? colour->Green : std::uint8_t{0}, colour ? colour->Blue : std::uint8_t{0}};
        Append(bytes, LightingCommand::ForProfile(p));
        break;
    }
    case ProfileGroup::LiftOff:
        Append(bytes, LiftOff(p));
        break;
    }
    return bytes;
}

} // namespace corvalith
