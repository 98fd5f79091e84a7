#pragma once

#include <cstdint>

namespace corvalith {

// A colour as the profile record and the mouse store it: red, green, blue.
struct Rgb {
    std::uint8_t Red;
    std::uint8_t Green;
    std::uint8_t Blue;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

static_assert(sizeof(Rgb) == 3);

} // namespace corvalith
