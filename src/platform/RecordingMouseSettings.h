#pragma once

#include "platform/ISystemMouseSettings.h"

#include <cstdint>

namespace corvalith {

// Mouse settings that stay with the program instead of reaching the system: the pointer settings of a
// sandboxed run and of the tests. Keeps the last value of each setting and how many calls were made.
class RecordingMouseSettings : public ISystemMouseSettings {
public:
    struct Mouse {
        int Threshold1 = 0;
        int Threshold2 = 0;
        int Acceleration = 0;
    };

    bool SetMouse(int threshold1, int threshold2, int acceleration) override;
    bool SetMouseSpeed(int speed) override;
    bool SetWheelScrollLines(std::uint32_t lines) override;
    bool SetDoubleClickTime(int milliseconds) override;

    Mouse LastMouse() const { return mouse_; }
    int LastSpeed() const { return speed_; }
    std::uint32_t LastWheelScrollLines() const { return wheelScrollLines_; }
    int LastDoubleClickTime() const { return doubleClickTime_; }
    int Calls() const { return calls_; }

private:
    Mouse mouse_;
    int speed_ = 0;
    std::uint32_t wheelScrollLines_ = 0;
    int doubleClickTime_ = 0;
    int calls_ = 0;
};

} // namespace corvalith
