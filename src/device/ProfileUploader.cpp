#include "device/ProfileUploader.h"

#include "device/ButtonFunctionCode.h"
#include "device/CommandCode.h"
#include "device/LightingCommand.h"

#include <algorithm>
#include <cstring>

namespace corvalith {

namespace {

constexpr std::size_t kLightingReadBuffer = 140;

std::uint8_t StageCode(std::uint8_t dpiValue) {
    return static_cast<std::uint8_t>(dpiValue - 1);
}

Command BlockHeader(CommandCode code, std::uint8_t index, std::uint8_t chunks) {
    return Command{Code(code), 0x00, index, chunks};
}

} // namespace

ProfileUploader::ProfileUploader(DeviceLink& link, ProfileSession& session, ProfileStorage& storage,
                                 IUploadFeedback& feedback, IDebugOutput& debug)
    : link_(link), session_(session), storage_(storage), feedback_(feedback), queries_(link, debug) {}

void ProfileUploader::WriteProfileToMouse() {
    feedback_.BeginWaitCursor();
    link_.State().ClearStaging();
    SendPollingRate();
    SendSensitivity();
    SendDpi();
    SendButtonTable();
    UploadMacros();
    SendLighting();
    SaveProfileAndCaptions();
    feedback_.EndWaitCursor();
}

template <typename Steps> void ProfileUploader::Partial(Steps steps) {
    feedback_.BeginWaitCursor();
    link_.State().ClearStaging();
    steps();
    feedback_.EndWaitCursor();
    SaveProfileAndCaptions();
    session_.TakeSnapshot();
}

void ProfileUploader::ApplyButtons() {
    Partial([this] {
        SendButtonTable();
        UploadMacros();
    });
}

void ProfileUploader::ApplySensitivity() {
    Partial([this] { SendSensitivity(); });
}

void ProfileUploader::ApplyDpi() {
    Partial([this] { SendDpi(); });
}

void ProfileUploader::ApplyPollingRate() {
    Partial([this] { SendPollingRate(); });
}

void ProfileUploader::ApplyLighting() {
    Partial([this] { SendLighting(); });
}

void ProfileUploader::ApplyLiftOff() {
    Partial([this] { WriteLiftOffToMouse(); });
}

void ProfileUploader::WriteLiftOffToMouse() {
    SendLiftOff();
    feedback_.EnableLiftOffSlider(session_.Working.LiftOffEnabled != 0);
}

void ProfileUploader::SendPollingRate() {
    queries_.QueryPollingRate();
    DeviceStateArea& state = link_.State();
    state.PollingRate = session_.Working.ReportRate;
    link_.Transport().SendCommand(link_.ConfigurationDevice(),
                                  Command{Code(CommandCode::PollingRate), state.PollingRate,
                                          state.PollingExtra[0], state.PollingExtra[1],
                                          state.PollingExtra[2]});
}

void ProfileUploader::SendSensitivity() {
    const ProfileSettings& p = session_.Working;
    link_.Transport().SendCommand(link_.ConfigurationDevice(),
                                  Command{Code(CommandCode::Sensitivity),
                                          static_cast<std::uint8_t>(p.SensitivityX * 20),
                                          static_cast<std::uint8_t>(p.SensitivityY * 20)});
}

void ProfileUploader::SendDpi() {
    const ProfileSettings& p = session_.Working;
    HidTransport& transport = link_.Transport();

    std::uint8_t colours[HidTransport::kChunk] = {};
    std::memcpy(colours, p.DpiStageColors, ProfileSettings::kDpiStages * sizeof(Rgb));
    Command header = BlockHeader(CommandCode::DpiStageColours, 0, 1);
    transport.TransferBlock(link_.ConfigurationDevice(), header, colours, HidTransport::Direction::Write,
                            sizeof colours);

    queries_.QueryCurrentDpiStage();

    std::uint8_t mask = 0x80;
    for (std::size_t stage = 0; stage < ProfileSettings::kDpiStages; ++stage) {
        if (p.DpiStageEnabled[stage] != 0) {
            mask |= static_cast<std::uint8_t>(1u << stage);
        }
    }
    const std::uint8_t* b = p.DpiValuesB;
    transport.SendCommand(
        link_.ConfigurationDevice(),
        Command{Code(CommandCode::DpiUpperStages), StageCode(b[4]), StageCode(b[5]), StageCode(b[6])});
    transport.SendCommand(link_.ConfigurationDevice(),
                          Command{Code(CommandCode::DpiStages), link_.State().CurrentDpiStage, mask,
                                  StageCode(b[0]), StageCode(b[1]), StageCode(b[2]), StageCode(b[3])});
}

void ProfileUploader::SendButtonTable() {
    DeviceStateArea& state = link_.State();
    std::memset(state.ButtonTable, 0, sizeof state.ButtonTable);
    const auto table = ButtonFunctionCode::Table(session_.Working);
    std::copy(table.begin(), table.end(), state.ButtonTable);
    Command header = BlockHeader(CommandCode::ButtonTable, 0, 1);
    link_.Transport().TransferBlock(link_.ConfigurationDevice(), header, state.ButtonTable,
                                    HidTransport::Direction::Write, ButtonFunctionCode::kTableSize);
}

void ProfileUploader::UploadMacros() {
    DeviceStateArea& state = link_.State();
    std::memset(state.MacroCopy, 0, sizeof state.MacroCopy);
    std::memcpy(state.MacroCopy, session_.Working.MacroBlockTable, sizeof session_.Working.MacroBlockTable);
    for (std::uint8_t slot = 0; slot < ProfileSettings::kMacroCount; ++slot) {
        Command header = BlockHeader(CommandCode::MacroSlot, slot, 3);
        link_.Transport().TransferBlock(link_.ConfigurationDevice(), header,
                                        state.MacroCopy + slot * ProfileSettings::kMacroBlockSize,
                                        HidTransport::Direction::Write, 3 * HidTransport::kChunk);
    }
}

void ProfileUploader::SendLighting() {
    const ProfileSettings& p = session_.Working;
    DeviceStateArea& state = link_.State();
    HidTransport& transport = link_.Transport();

    std::memset(state.LightingBlock, 0, sizeof state.LightingBlock);
    std::uint8_t block[kLightingReadBuffer] = {};
    Command readHeader = BlockHeader(CommandCode::ReadLightingBlock, 0, 1);
    transport.TransferBlock(link_.ConfigurationDevice(), readHeader, block, HidTransport::Direction::Read,
                            HidTransport::kChunk);
    std::memcpy(state.LightingBlock, block, sizeof state.LightingBlock);
    // The colour in use replaces the mouse's own; an index past the palette leaves the mouse's colour.
    if (p.MouseColorIndex < ProfileSettings::kPaletteSize) {
        const Rgb colour = p.MouseColors[p.MouseColorIndex];
        state.LightingBlock[0] = colour.Red;
        state.LightingBlock[1] = colour.Green;
        state.LightingBlock[2] = colour.Blue;
    }
    // The kept 24 bytes, then the rest of the block as the mouse returned it.
    std::memcpy(block, state.LightingBlock, sizeof state.LightingBlock);
    Command writeHeader = BlockHeader(CommandCode::LightingBlock, 0, 1);
    transport.TransferBlock(link_.ConfigurationDevice(), writeHeader, block, HidTransport::Direction::Write,
                            HidTransport::kChunk);

    transport.SendCommand(link_.ConfigurationDevice(), LightingCommand::ForProfile(p));
}

void ProfileUploader::SendLiftOff() {
    const ProfileSettings& p = session_.Working;
    const std::uint8_t level = p.LiftOffEnabled != 0 ? p.LiftOffLevel : 0x06;
    link_.Transport().SendCommand(link_.ConfigurationDevice(), Command{Code(CommandCode::LiftOff), level});
}

void ProfileUploader::SaveProfileAndCaptions() {
    storage_.SaveProfile();
    storage_.SaveCaptions(captionSection_);
}

} // namespace corvalith
