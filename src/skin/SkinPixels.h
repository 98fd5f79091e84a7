#pragma once

#include <cstdint>
#include <span>

namespace corvalith {

// Pixel operations on decoded skin images: 32-bit pixels in the byte order blue, green, red, alpha.
class SkinPixels {
public:
    // Turns straight alpha into premultiplied alpha in place, as the alpha compositor needs it: blue,
    // green and red each become value * alpha / 255, truncated; alpha stays. A trailing partial pixel
    // is left alone.
    static void Premultiply(std::span<std::uint8_t> bgra);
};

} // namespace corvalith
