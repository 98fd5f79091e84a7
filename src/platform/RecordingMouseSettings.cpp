#include "platform/RecordingMouseSettings.h"

namespace corvalith {

bool RecordingMouseSettings::SetMouse(int threshold1, int threshold2, int acceleration) {
    mouse_ = {threshold1, threshold2, acceleration};
    ++calls_;
    return true;
}

bool RecordingMouseSettings::SetMouseSpeed(int speed) {
    speed_ = speed;
    ++calls_;
    return true;
}

bool RecordingMouseSettings::SetWheelScrollLines(std::uint32_t lines) {
    wheelScrollLines_ = lines;
    ++calls_;
    return true;
}

bool RecordingMouseSettings::SetDoubleClickTime(int milliseconds) {
    doubleClickTime_ = milliseconds;
    ++calls_;
    return true;
}

} // namespace corvalith
