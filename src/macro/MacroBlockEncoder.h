#pragma once

#include "macro/Macro.h"
#include "profile/ProfileSettings.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace corvalith {

// Encodes a macro into its 130-byte block for the mouse (numbers big-endian):
//
//   0..1    loop count, 1 to 65535 (anything else in the file becomes 1)
//   2       first event type: 0x05 when the table is built from the file, 0x32 on the macro manager's OK
//   3       usage code of the first event, a key down
//   4k..4k+3 (k = 1..31)  event k: type (0x7F down, 0xFF up), usage code, delay before it in ms (10..65535)
//   128..129 not written
//
// A macro without items, or without any key down, is 128 zero bytes. Items before the first key down are
// skipped: the first event of a block is always a key down and carries no delay. A block holds 32 events; a
// longer macro keeps as many of its first events as fit together with the key ups of the keys still held at
// the cut, so the mouse never ends a macro with a key pressed.
class MacroBlockEncoder {
public:
    MacroBlockEncoder() = delete;

    static constexpr std::size_t kBlockSize = ProfileSettings::kMacroBlockSize;
    static constexpr std::size_t kEncodedSize = 128;
    static constexpr std::size_t kMaxEvents = 32;
    static constexpr std::uint8_t kFirstTypeFromFile = 0x05;
    static constexpr std::uint8_t kFirstTypeOnManagerOk = 0x32;
    static constexpr std::uint8_t kTypeKeyDown = 0x7F;
    static constexpr std::uint8_t kTypeKeyUp = 0xFF;
    static constexpr std::uint16_t kDefaultDelay = 50;
    static constexpr std::uint16_t kMinimumDelay = 10;

    static void Encode(const Macro& macro, std::uint8_t firstEventType,
                       std::span<std::uint8_t, kBlockSize> block);

    // The loop count stored for a "MacroLoopTimes" text: its value when 1 to 65535, else 1.
    static std::uint16_t LoopCount(std::string_view text);

    // The usage code a macro item's key name encodes as: the key-name table, plus "App" (101) and
    // "Left GUI" (227) that macros may name; 0 for an unknown name.
    static std::uint8_t UsageOfItemKey(std::string_view keyName);
};

} // namespace corvalith
