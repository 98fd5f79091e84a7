#pragma once

#include "device/DeviceStateArea.h"
#include "device/HidTransport.h"

namespace corvalith {

// The two questions an upload asks the mouse first, so that what the user does not edit (the three
// extra polling-rate bytes and the stage the mouse is on) goes back as the mouse reported it. The
// answers are kept in the uploads' device state area.
class DeviceQueries {
public:
    DeviceQueries(HidTransport& transport, DeviceStateArea& state, IDebugOutput& debug)
        : transport_(transport), state_(state), debug_(debug) {}

    // Query 0x81: keeps data bytes 0 to 3 of the answer.
    void QueryPollingRate(IHidDevice* device);
    // Query 0x87: keeps data byte 0, the current DPI stage.
    void QueryCurrentDpiStage(IHidDevice* device);

private:
    HidTransport& transport_;
    DeviceStateArea& state_;
    IDebugOutput& debug_;
};

} // namespace corvalith
