#pragma once

#include "sim/VirtualMouse.h"

#include <string>
#include <vector>

namespace corvalith {

// What the virtual mouse holds, as lines a person can read: polling rate, DPI stages with the stage mask
// and the current stage, stage colours, sensitivity, lift-off, lighting mode and colour, the seven
// button codes decoded, and which macro slots hold data.
class FirmwareDescription {
public:
    static std::vector<std::string> Lines(const VirtualMouse::Firmware& firmware);
    // One 4-byte button code in words ("Click", "Ctrl+0x06", "Macro 3, once", ...).
    static std::string ButtonCode(const std::uint8_t* code);
};

} // namespace corvalith
