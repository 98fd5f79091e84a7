#include "skin/SkinPixels.h"

namespace corvalith {

void SkinPixels::Premultiply(std::span<std::uint8_t> bgra) {
    const std::size_t whole = bgra.size() / 4 * 4;
    for (std::size_t i = 0; i < whole; i += 4) {
        const unsigned alpha = bgra[i + 3];
        for (std::size_t c = 0; c < 3; ++c) {
            bgra[i + c] = static_cast<std::uint8_t>(bgra[i + c] * alpha / 255);
        }
    }
}

} // namespace corvalith
