#pragma once

#include <cstdint>

namespace corvalith {

// The first byte of every command on the configuration interface: the setting it sets, the block it
// announces, or what it asks the mouse.
enum class CommandCode : std::uint8_t {
    PollingRate = 0x01,       // the polling interval and the three bytes the mouse reported with it
    ButtonTable = 0x03,       // block: the seven buttons' function codes
    MacroSlot = 0x05,         // block: one macro slot, three chunks
    Lighting = 0x06,          // the lighting mode and its parameters
    DpiStages = 0x07,         // the current stage, the stage mask and the codes of stages 1 to 4
    DpiUpperStages = 0x08,    // the codes of stages 5 to 7
    DpiStageColours = 0x0A,   // block: the seven stage colours
    Sensitivity = 0x0B,       // the X and Y sensitivity
    LightingBlock = 0x0C,     // block: the lighting block written back
    LiftOff = 0x0D,           // the lift-off level, 6 with the function off
    QueryPollingRate = 0x81,  // answered with the polling interval and its three bytes
    QueryDpiStage = 0x87,     // answered with the current DPI stage
    ReadLightingBlock = 0x8C, // block read: the mouse's own lighting block
};

constexpr std::uint8_t Code(CommandCode code) {
    return static_cast<std::uint8_t>(code);
}

} // namespace corvalith
