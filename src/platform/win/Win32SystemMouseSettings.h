#pragma once

#include "platform/ISystemMouseSettings.h"

namespace corvalith {

// The mouse settings through SystemParametersInfoW; every change is broadcast, and only the double-click
// time is also written to the user's stored settings.
class Win32SystemMouseSettings : public ISystemMouseSettings {
public:
    bool SetMouse(int threshold1, int threshold2, int acceleration) override;
    bool SetMouseSpeed(int speed) override;
    bool SetWheelScrollLines(std::uint32_t lines) override;
    bool SetDoubleClickTime(int milliseconds) override;
};

} // namespace corvalith
