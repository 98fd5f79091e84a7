#pragma once

#include <cstdint>

namespace corvalith {

// What one upload sends: the whole profile, or the group of settings a change touched.
enum class UploadKind : std::uint8_t {
    Whole,       // everything but the lift-off command
    Buttons,     // the button function table and the twelve macro blocks
    Sensitivity, // command 0x0B
    Dpi,         // stage colours, the current stage, commands 0x08 and 0x07
    PollingRate, // the polling-rate query and command 0x01
    Lighting,    // the lighting block read and written, command 0x06
    LiftOff,     // command 0x0D
    // Another profile put in place: the groups that differ from what the mouse holds since the program's
    // last write to it, the lift-off command included; every group the program cannot know.
    Switch,
};

} // namespace corvalith
