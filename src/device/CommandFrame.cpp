#include "device/CommandFrame.h"

namespace corvalith {

std::uint8_t CommandFrame::Checksum(const Bytes& frame) {
    unsigned sum = 0;
    for (std::size_t i = 1; i <= 7; ++i) {
        sum += frame[i];
    }
    return static_cast<std::uint8_t>(0xFF - (sum & 0xFF));
}

CommandFrame::Bytes CommandFrame::Build(const Command& command) {
    Bytes frame{};
    for (std::size_t i = 0; i < 7; ++i) {
        frame[i + 1] = command[i];
    }
    frame[8] = Checksum(frame);
    return frame;
}

} // namespace corvalith
