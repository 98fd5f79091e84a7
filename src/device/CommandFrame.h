#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace corvalith {

// The 8 command bytes a caller hands over: c0 = command code, c1..c6 parameters, c7 ignored.
using Command = std::array<std::uint8_t, 8>;

// A command as the mouse receives it: one 9-byte feature report of report 0 whose last byte is the
// one's complement of the sum of bytes 1 to 7.
class CommandFrame {
public:
    static constexpr std::size_t kLength = 9;
    using Bytes = std::array<std::uint8_t, kLength>;

    static std::uint8_t Checksum(const Bytes& frame);
    static Bytes Build(const Command& command);
    // True when byte 8 holds the checksum of bytes 1 to 7.
    static bool IsValid(const Bytes& frame) { return frame[8] == Checksum(frame); }
};

} // namespace corvalith
