#pragma once

#include "platform/Rect.h"

#include <cstdint>
#include <optional>
#include <string>

namespace corvalith {

// The polling-rate page's dial: four quarters on a ring around the dial's centre, each a report rate
// (`ReportRate`: 1 = 1000 Hz upper right, 2 = 500 Hz lower right, 4 = 250 Hz lower left, 8 = 125 Hz
// upper left).
class PollingRateDial {
public:
    static constexpr Rect kDial{57, 5, 185, 128};
    static constexpr int kCentreX = kDial.Left + (kDial.Right - kDial.Left) / 2; // 121
    static constexpr int kCentreY = kDial.Top + (kDial.Bottom - kDial.Top) / 2;  // 66
    static constexpr int kInnerRadius = 35;
    static constexpr int kOuterRadius = 64;
    // What a profile without a rate shows and stores: 500 Hz.
    static constexpr std::uint8_t kRepairedRate = 2;

    // A click at x, y: nullopt outside the ring (nothing is posted); inside, the rate the profile gets,
    // which is the current one for a click on either axis through the centre.
    static std::optional<std::uint8_t> Click(int x, int y, std::uint8_t current);

    // The rate a paint shows and stores: 0 becomes 500 Hz.
    static std::uint8_t Repaired(std::uint8_t rate) { return rate == 0 ? kRepairedRate : rate; }

    // The dial's skin image for a rate ("Skins/USBReportRate/500HZ.png"); rate must not be 0.
    static std::string Image(std::uint8_t rate);
};

} // namespace corvalith
