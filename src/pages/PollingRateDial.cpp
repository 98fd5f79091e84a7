#include "pages/PollingRateDial.h"

#include "skin/SkinFileNames.h"

#include <cmath>

namespace corvalith {

std::optional<std::uint8_t> PollingRateDial::Click(int x, int y, std::uint8_t current) {
    const int dx = x - kCentreX;
    const int dy = y - kCentreY;
    const double distance = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
    if (distance < kInnerRadius || distance > kOuterRadius) {
        return std::nullopt;
    }
    if (dx == 0 || dy == 0) {
        return current;
    }
    if (dy < 0) {
        return static_cast<std::uint8_t>(dx > 0 ? 1 : 8);
    }
    return static_cast<std::uint8_t>(dx > 0 ? 2 : 4);
}

std::string PollingRateDial::Image(std::uint8_t rate) {
    const int hertz = rate == 0 ? 0 : 1000 / rate;
    return SkinFileNames::InSkins(SkinFileNames::PollingRate(hertz));
}

} // namespace corvalith
