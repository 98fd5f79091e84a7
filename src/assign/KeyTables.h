#pragma once

#include <cstdint>
#include <string_view>

namespace corvalith {

// The three identities of a key: the platform's virtual-key code (what the keyboard reports), the key
// name (what the user sees, stored in captions and macro files) and the HID keyboard usage code (what
// the mouse is given), with the conversions between them.
class KeyTables {
public:
    KeyTables() = delete;

    // Flags of a low-level key event that the program looks at: extended key and key released.
    static constexpr std::uint32_t kFlagExtended = 0x01;
    static constexpr std::uint32_t kFlagReleased = 0x80;
    static constexpr std::uint32_t kFlagMask = kFlagExtended | kFlagReleased;

    static constexpr std::uint32_t kVirtualKeyEnter = 0x0D;
    static constexpr std::uint32_t kVirtualKeyNumEnter = 0x6C;

    // The name of a virtual-key code; "" for a code without a name.
    static std::string_view NameOfVirtualKey(std::uint32_t virtualKey);

    // The usage code of a key name, compared exactly (case-sensitive); 0 for a name not in the table.
    static std::uint8_t UsageOfName(std::string_view name);

    // The name of a usage code; "N/A" for a code not in the table.
    static std::string_view NameOfUsage(std::uint8_t usage);

    // The keyboard reports the keypad's Enter as Enter with the extended flag; the program names it by the
    // keypad's own code 0x6C ("Num Enter"). `maskedFlags` are the event flags AND kFlagMask.
    static std::uint32_t EffectiveVirtualKey(std::uint32_t virtualKey, std::uint32_t maskedFlags);
};

} // namespace corvalith
