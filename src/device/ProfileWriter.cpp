#include "device/ProfileWriter.h"

#include "device/ButtonFunctionCode.h"
#include "device/CommandCode.h"
#include "device/LightingCommand.h"

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

std::uint8_t StageCode(std::uint8_t dpiValue) {
    return static_cast<std::uint8_t>(dpiValue - 1);
}

Command BlockHeader(CommandCode code, std::uint8_t index, std::uint8_t chunks) {
    return Command{Code(code), 0x00, index, chunks};
}

} // namespace

ProfileWriter::ProfileWriter(DeviceLink& link, IDebugOutput& debug)
    : link_(link), transport_(link.Transport()), queries_(link.Transport(), state_, debug) {}

std::uint16_t ProfileWriter::ReportCount(UploadKind kind) {
    const std::uint16_t polling = kQuery + kCommand;
    const std::uint16_t dpi = WrittenBlock(1) + kQuery + 2 * kCommand;
    const std::uint16_t buttons = WrittenBlock(1) + ProfileSettings::kMacroCount * WrittenBlock(3);
    const std::uint16_t lighting = ReadBlock(1) + WrittenBlock(1) + kCommand;
    switch (kind) {
    case UploadKind::Whole:
        return polling + kCommand + dpi + buttons + lighting;
    case UploadKind::Buttons:
        return buttons;
    case UploadKind::Dpi:
        return dpi;
    case UploadKind::PollingRate:
        return polling;
    case UploadKind::Lighting:
        return lighting;
    case UploadKind::Sensitivity:
    case UploadKind::LiftOff:
        return kCommand;
    }
    return 0;
}

bool ProfileWriter::Run(UploadKind kind, const ProfileSettings& profile, IUploadProgress* progress,
                        const std::atomic<bool>* stop) {
    // The interface is held for the whole operation: a search on the window's thread may replace it
    // meanwhile, and the operation still ends on the interface it began with.
    const std::shared_ptr<IHidDevice> device = link_.ConfigurationDevice();
    if (link_.Connections() != connection_) {
        connection_ = link_.Connections();
        state_.Clear();
    }
    state_.ClearStaging();
    profile_ = &profile;
    device_ = device.get();

    UploadStatus status{UploadStatus::Phase::Started, kind, 0, 0, ReportCount(kind)};
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
    Send(kind);
    transport_.Watch(nullptr, {});
    profile_ = nullptr;
    device_ = nullptr;

    status.Stage = UploadStatus::Phase::Ended;
    if (progress != nullptr) {
        progress->OnUploadStatus(status);
    }
    return status.Complete();
}

void ProfileWriter::Send(UploadKind kind) {
    switch (kind) {
    case UploadKind::Whole:
        SendPollingRate();
        SendSensitivity();
        SendDpi();
        SendButtonTable();
        UploadMacros();
        SendLighting();
        break;
    case UploadKind::Buttons:
        SendButtonTable();
        UploadMacros();
        break;
    case UploadKind::Sensitivity:
        SendSensitivity();
        break;
    case UploadKind::Dpi:
        SendDpi();
        break;
    case UploadKind::PollingRate:
        SendPollingRate();
        break;
    case UploadKind::Lighting:
        SendLighting();
        break;
    case UploadKind::LiftOff:
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
    const ProfileSettings& p = *profile_;
    transport_.SendCommand(device_, Command{Code(CommandCode::Sensitivity),
                                            static_cast<std::uint8_t>(p.SensitivityX * 20),
                                            static_cast<std::uint8_t>(p.SensitivityY * 20)});
}

void ProfileWriter::SendDpi() {
    const ProfileSettings& p = *profile_;

    std::uint8_t colours[HidTransport::kChunk] = {};
    std::memcpy(colours, p.DpiStageColors, ProfileSettings::kDpiStages * sizeof(Rgb));
    Command header = BlockHeader(CommandCode::DpiStageColours, 0, 1);
    transport_.TransferBlock(device_, header, colours, HidTransport::Direction::Write, sizeof colours);

    queries_.QueryCurrentDpiStage(device_);

    std::uint8_t mask = 0x80;
    for (std::size_t stage = 0; stage < ProfileSettings::kDpiStages; ++stage) {
        if (p.DpiStageEnabled[stage] != 0) {
            mask |= static_cast<std::uint8_t>(1u << stage);
        }
    }
    const std::uint8_t* b = p.DpiValuesB;
    transport_.SendCommand(device_, Command{Code(CommandCode::DpiUpperStages), StageCode(b[4]),
                                            StageCode(b[5]), StageCode(b[6])});
    transport_.SendCommand(device_,
                           Command{Code(CommandCode::DpiStages), state_.CurrentDpiStage, mask,
                                   StageCode(b[0]), StageCode(b[1]), StageCode(b[2]), StageCode(b[3])});
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
    // The colour in use replaces the mouse's own; an index past the palette leaves the mouse's colour.
    if (p.MouseColorIndex < ProfileSettings::kPaletteSize) {
        const Rgb colour = p.MouseColors[p.MouseColorIndex];
        state_.LightingBlock[0] = colour.Red;
        state_.LightingBlock[1] = colour.Green;
        state_.LightingBlock[2] = colour.Blue;
    }
    // The kept 24 bytes, then the rest of the block as the mouse returned it.
    std::memcpy(block, state_.LightingBlock, sizeof state_.LightingBlock);
    Command writeHeader = BlockHeader(CommandCode::LightingBlock, 0, 1);
    transport_.TransferBlock(device_, writeHeader, block, HidTransport::Direction::Write,
                             HidTransport::kChunk);

    transport_.SendCommand(device_, LightingCommand::ForProfile(p));
}

void ProfileWriter::SendLiftOff() {
    const ProfileSettings& p = *profile_;
    const std::uint8_t level = p.LiftOffEnabled != 0 ? p.LiftOffLevel : 0x06;
    transport_.SendCommand(device_, Command{Code(CommandCode::LiftOff), level});
}

} // namespace corvalith
