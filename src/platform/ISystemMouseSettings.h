#pragma once

#include <cstdint>

namespace corvalith {

// The system's mouse settings (SystemParametersInfoW on Windows). Each call returns false when the
// system refused it.
class ISystemMouseSettings {
public:
    virtual ~ISystemMouseSettings() = default;
    // Acceleration thresholds and level; 0, 0, 0 switches pointer precision off.
    virtual bool SetMouse(int threshold1, int threshold2, int acceleration) = 0;
    virtual bool SetMouseSpeed(int speed) = 0;                 // 1..20
    virtual bool SetWheelScrollLines(std::uint32_t lines) = 0; // 0xFFFFFFFF: one screen per notch
    virtual bool SetDoubleClickTime(int milliseconds) = 0;     // also stored in the user's settings
};

} // namespace corvalith
