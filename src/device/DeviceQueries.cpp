#include "device/DeviceQueries.h"

#include "device/CommandCode.h"
#include "platform/TextFormat.h"

namespace corvalith {

void DeviceQueries::QueryPollingRate() {
    Command command{Code(CommandCode::QueryPollingRate)};
    link_.Transport().ExchangeCommand(link_.ConfigurationDevice(), command);
    DeviceStateArea& state = link_.State();
    state.PollingRate = command[1];
    state.PollingExtra[0] = command[2];
    state.PollingExtra[1] = command[3];
    state.PollingExtra[2] = command[4];
    debug_.Write(TextFormat::Printf("ReportRate:%02x\n", command[1]));
}

void DeviceQueries::QueryCurrentDpiStage() {
    Command command{Code(CommandCode::QueryDpiStage)};
    link_.Transport().ExchangeCommand(link_.ConfigurationDevice(), command);
    link_.State().CurrentDpiStage = command[1];
    debug_.Write(TextFormat::Printf("nCurDPI:%02x\n", command[1]));
}

} // namespace corvalith
