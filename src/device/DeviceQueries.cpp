#include "device/DeviceQueries.h"

#include <cstdio>

namespace corvalith {

void DeviceQueries::QueryPollingRate() {
    Command command{0x81};
    link_.Transport().ExchangeCommand(link_.ConfigurationDevice(), command);
    DeviceStateArea& state = link_.State();
    state.PollingRate = command[1];
    state.PollingExtra[0] = command[2];
    state.PollingExtra[1] = command[3];
    state.PollingExtra[2] = command[4];
    char line[32];
    std::snprintf(line, sizeof line, "ReportRate:%02x\n", command[1]);
    debug_.Write(line);
}

void DeviceQueries::QueryCurrentDpiStage() {
    Command command{0x87};
    link_.Transport().ExchangeCommand(link_.ConfigurationDevice(), command);
    link_.State().CurrentDpiStage = command[1];
    char line[32];
    std::snprintf(line, sizeof line, "nCurDPI:%02x\n", command[1]);
    debug_.Write(line);
}

} // namespace corvalith
