#pragma once

#include "profile/ProfileSettings.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace corvalith {

// The 4-byte code that tells the mouse what a button does, written b0, b1, b2, b3 (b3 = code type:
// 0x01 keyboard, 0x02 mouse button, 0x04 consumer control, 0x08 DPI function, 0x0A macro, 0x0C, 0x0B and
// 0x05 further device functions).
class ButtonFunctionCode {
public:
    using Code = std::array<std::uint8_t, 4>;
    static constexpr std::size_t kTableSize = 64;

    // The code of button slot `slot` (0 to 7) from its assignment kind and parameter arrays.
    static Code ForSlot(const ProfileSettings& profile, std::size_t slot);
    // The code of a system function index; unknown indexes give the empty code.
    static Code ForSystemFunction(std::uint8_t index);
    // Run mode of a macro assignment to the code the mouse expects: 0 -> 1, 1 -> 3, 2 -> 2, others as is.
    static std::uint8_t MacroRunModeCode(std::uint8_t mode);
    // The sixteen-entry table sent as block 0x03: slots 0, 1, 2, 4, 3, 5, 6, then the fixed entries.
    static std::array<std::uint8_t, kTableSize> Table(const ProfileSettings& profile);
};

} // namespace corvalith
