#pragma once

#include "device/DeviceLink.h"

namespace corvalith {

// The two questions an upload asks the mouse first, so that what the user does not edit (the three
// extra polling-rate bytes and the stage the mouse is on) goes back as the mouse reported it.
class DeviceQueries {
public:
    DeviceQueries(DeviceLink& link, IDebugOutput& debug) : link_(link), debug_(debug) {}

    // Query 0x81: keeps data bytes 0 to 3 of the answer.
    void QueryPollingRate();
    // Query 0x87: keeps data byte 0, the current DPI stage.
    void QueryCurrentDpiStage();

private:
    DeviceLink& link_;
    IDebugOutput& debug_;
};

} // namespace corvalith
