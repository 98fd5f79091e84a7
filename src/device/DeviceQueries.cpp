#include "device/DeviceQueries.h"

#include "device/CommandCode.h"
#include "platform/TextFormat.h"

namespace corvalith {

void DeviceQueries::QueryPollingRate(IHidDevice* device) {
    Command command{Code(CommandCode::QueryPollingRate)};
    transport_.ExchangeCommand(device, command);
    state_.PollingRate = command[1];
    state_.PollingExtra[0] = command[2];
    state_.PollingExtra[1] = command[3];
    state_.PollingExtra[2] = command[4];
    debug_.Write(TextFormat::Printf("ReportRate:%02x\n", command[1]));
}

void DeviceQueries::QueryCurrentDpiStage(IHidDevice* device) {
    Command command{Code(CommandCode::QueryDpiStage)};
    transport_.ExchangeCommand(device, command);
    state_.CurrentDpiStage = command[1];
    debug_.Write(TextFormat::Printf("nCurDPI:%02x\n", command[1]));
}

} // namespace corvalith
