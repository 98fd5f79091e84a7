#include "device/ProfileWriter.h"

#include "device/ButtonFunctionCode.h"
#include "device/CommandCode.h"
#include "device/LightingCommand.h"
#include "device/ProfileCommands.h"

#include <algorithm>
#include <cstring>

namespace corvalith {

namespace {

constexpr std::size_t kLightingReadBuffer = 140;

// Reports of a command, a query (sent and read back), and a block of n chunks written or read.
constexpr std::uint16_t kCommand = 1;
constexpr std::uint16_t kQuery = 2;
constexpr std::uint16_t WrittenBlock(std::uint16_t chunks) {
    return static_cast<std::uint16_t>(1 + chunks);
}
constexpr std::uint16_t ReadBlock(std::uint16_t chunks) {
    return static_cast<std::uint16_t>(2 + chunks);
}

Command BlockHeader(CommandCode code, std::uint8_t index, std::uint8_t chunks) {
    return Command{Code(code), 0x00, index, chunks};
}

} // namespace

ProfileWriter::ProfileWriter(DeviceLink& link, IDebugOutput& debug)
    : link_(link), transport_(link.Transport()), queries_(link.Transport(), state_, debug) {}

ProfileGroups ProfileWriter::GroupsOf(UploadKind kind) {
    using G = ProfileGroup;
    switch (kind) {
    case UploadKind::Whole:
        return {G::PollingRate, G::Sensitivity, G::Dpi, G::ButtonTable, G::Macros, G::Lighting};
    case UploadKind::Buttons:
        return {G::ButtonTable, G::Macros};
    case UploadKind::Sensitivity:
        return {G::Sensitivity};
    case UploadKind::Dpi:
        return {G::Dpi};
    case UploadKind::PollingRate:
        return {G::PollingRate};
    case UploadKind::Lighting:
        return {G::Lighting};
    case UploadKind::LiftOff:
        return {G::LiftOff};
    case UploadKind::Switch:
        return ProfileGroups::All();
    }
    return {};
}

std::uint16_t ProfileWriter::ReportCount(ProfileGroups groups) {
    constexpr std::uint16_t reports[kProfileGroupCount] = {
        kQuery + kCommand,                              // polling rate
        kCommand,                                       // sensitivity
        WrittenBlock(1) + kQuery + 2 * kCommand,        // DPI
        WrittenBlock(1),                                // button table
        ProfileSettings::kMacroCount * WrittenBlock(3), // macros
        ReadBlock(1) + WrittenBlock(1) + kCommand,      // lighting
        kCommand,                                       // lift-off
    };
    std::uint16_t total = 0;
    for (std::size_t group = 0; group < kProfileGroupCount; ++group) {
        if (groups.Has(static_cast<ProfileGroup>(group))) {
            total = static_cast<std::uint16_t>(total + reports[group]);
        }
    }
    return total;
}

ProfileGroups ProfileWriter::Differing(const ProfileSettings& profile) const {
    ProfileGroups groups;
    for (std::size_t index = 0; index < kProfileGroupCount; ++index) {
        const auto group = static_cast<ProfileGroup>(index);
        const std::optional<ProfileSettings> held = HeldGroup(group);
        if (!held ||
            ProfileCommands::GroupBytes(group, *held) != ProfileCommands::GroupBytes(group, profile)) {
            groups.Add(group);
        }
    }
    return groups;
}

std::optional<ProfileSettings> ProfileWriter::HeldGroup(ProfileGroup group) const {
    // A new connection may be another mouse, or this one changed by another program.
    if (link_.Connections() != connection_) {
        return std::nullopt;
    }
    return held_[static_cast<std::size_t>(group)];
}

void ProfileWriter::ForgetHeld() {
    held_.fill(std::nullopt);
}

void ProfileWriter::Remember(const ProfileSettings& profile, ProfileGroups groups) {
    connection_ = link_.Connections();
    for (std::size_t index = 0; index < kProfileGroupCount; ++index) {
        held_[index] = groups.Has(static_cast<ProfileGroup>(index)) ? std::optional<ProfileSettings>(profile)
                                                                    : std::nullopt;
    }
}

ProfileGroups ProfileWriter::Known() const {
    ProfileGroups known;
    for (std::size_t index = 0; index < kProfileGroupCount; ++index) {
        if (HeldGroup(static_cast<ProfileGroup>(index))) {
            known.Add(static_cast<ProfileGroup>(index));
        }
    }
    return known;
}

bool ProfileWriter::Run(UploadKind kind, const ProfileSettings& profile, IUploadProgress* progress,
                        const std::atomic<bool>* stop) {
    // The interface is held for the whole operation: a search on the window's thread may replace it
    // meanwhile, and the operation still ends on the interface it began with.
    const std::shared_ptr<IHidDevice> device = link_.ConfigurationDevice();
    const ProfileGroups groups = kind == UploadKind::Switch ? Differing(profile) : GroupsOf(kind);
    if (link_.Connections() != connection_) {
        connection_ = link_.Connections();
        state_.Clear();
        ForgetHeld();
    }
    state_.ClearStaging();
    profile_ = &profile;
    device_ = device.get();

    UploadStatus status{UploadStatus::Phase::Started, kind, 0, 0, ReportCount(groups)};
    if (progress != nullptr) {
        progress->OnUploadStatus(status);
    }
    transport_.Watch(stop, [&](bool delivered) {
        ++(delivered ? status.Delivered : status.Failed);
        status.Stage = UploadStatus::Phase::Report;
        if (progress != nullptr) {
            progress->OnUploadStatus(status);
        }
    });
    for (std::size_t index = 0; index < kProfileGroupCount; ++index) {
        const auto group = static_cast<ProfileGroup>(index);
        if (groups.Has(group)) {
            Send(group);
        }
    }
    transport_.Watch(nullptr, {});
    profile_ = nullptr;
    device_ = nullptr;

    // What went through completely is what the mouse holds; after a failed report nothing of the groups
    // sent is known.
    for (std::size_t index = 0; index < kProfileGroupCount; ++index) {
        if (groups.Has(static_cast<ProfileGroup>(index))) {
            held_[index] = status.Complete() ? std::optional<ProfileSettings>(profile) : std::nullopt;
        }
    }

    status.Stage = UploadStatus::Phase::Ended;
    if (progress != nullptr) {
        progress->OnUploadStatus(status);
    }
    return status.Complete();
}

void ProfileWriter::Send(ProfileGroup group) {
    switch (group) {
    case ProfileGroup::PollingRate:
        SendPollingRate();
        break;
    case ProfileGroup::Sensitivity:
        SendSensitivity();
        break;
    case ProfileGroup::Dpi:
        SendDpi();
        break;
    case ProfileGroup::ButtonTable:
        SendButtonTable();
        break;
    case ProfileGroup::Macros:
        UploadMacros();
        break;
    case ProfileGroup::Lighting:
        SendLighting();
        break;
    case ProfileGroup::LiftOff:
        SendLiftOff();
        break;
    }
}

void ProfileWriter::SendPollingRate() {
    queries_.QueryPollingRate(device_);
    state_.PollingRate = profile_->ReportRate;
    transport_.SendCommand(device_,
                           Command{Code(CommandCode::PollingRate), state_.PollingRate, state_.PollingExtra[0],
                                   state_.PollingExtra[1], state_.PollingExtra[2]});
}

void ProfileWriter::SendSensitivity() {
    transport_.SendCommand(device_, ProfileCommands::Sensitivity(*profile_));
}

void ProfileWriter::SendDpi() {
    std::array<std::uint8_t, HidTransport::kChunk> colours = ProfileCommands::DpiColours(*profile_);
    Command header = BlockHeader(CommandCode::DpiStageColours, 0, 1);
    transport_.TransferBlock(device_, header, colours.data(), HidTransport::Direction::Write, colours.size());
    queries_.QueryCurrentDpiStage(device_);
    transport_.SendCommand(device_, ProfileCommands::DpiUpperStages(*profile_));
    transport_.SendCommand(device_, ProfileCommands::DpiStages(*profile_, state_.CurrentDpiStage));
}

void ProfileWriter::SendButtonTable() {
    std::memset(state_.ButtonTable, 0, sizeof state_.ButtonTable);
    const auto table = ButtonFunctionCode::Table(*profile_);
    std::copy(table.begin(), table.end(), state_.ButtonTable);
    Command header = BlockHeader(CommandCode::ButtonTable, 0, 1);
    transport_.TransferBlock(device_, header, state_.ButtonTable, HidTransport::Direction::Write,
                             ButtonFunctionCode::kTableSize);
}

void ProfileWriter::UploadMacros() {
    std::memset(state_.MacroCopy, 0, sizeof state_.MacroCopy);
    std::memcpy(state_.MacroCopy, profile_->MacroBlockTable, sizeof profile_->MacroBlockTable);
    for (std::uint8_t slot = 0; slot < ProfileSettings::kMacroCount; ++slot) {
        Command header = BlockHeader(CommandCode::MacroSlot, slot, 3);
        transport_.TransferBlock(device_, header, state_.MacroCopy + slot * ProfileSettings::kMacroBlockSize,
                                 HidTransport::Direction::Write, 3 * HidTransport::kChunk);
    }
}

void ProfileWriter::SendLighting() {
    const ProfileSettings& p = *profile_;

    std::memset(state_.LightingBlock, 0, sizeof state_.LightingBlock);
    std::uint8_t block[kLightingReadBuffer] = {};
    Command readHeader = BlockHeader(CommandCode::ReadLightingBlock, 0, 1);
    transport_.TransferBlock(device_, readHeader, block, HidTransport::Direction::Read, HidTransport::kChunk);
    std::memcpy(state_.LightingBlock, block, sizeof state_.LightingBlock);
    if (const std::optional<Rgb> colour = ProfileCommands::LightingColour(p)) {
        state_.LightingBlock[0] = colour->Red;
        state_.LightingBlock[1] = colour->Green;
        state_.LightingBlock[2] = colour->Blue;
    }
    // The kept 24 bytes, then the rest of the block as the mouse returned it.
    std::memcpy(block, state_.LightingBlock, sizeof state_.LightingBlock);
    Command writeHeader = BlockHeader(CommandCode::LightingBlock, 0, 1);
    transport_.TransferBlock(device_, writeHeader, block, HidTransport::Direction::Write,
                             HidTransport::kChunk);

    transport_.SendCommand(device_, LightingCommand::ForProfile(p));
}

void ProfileWriter::SendLiftOff() {
    transport_.SendCommand(device_, ProfileCommands::LiftOff(*profile_));
}

} // namespace corvalith
