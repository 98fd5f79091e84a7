#pragma once

#include <algorithm>

namespace skingen {

// A colour with alpha, channels 0..1.
struct Colour {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 1;

    static constexpr Colour Rgb(int red, int green, int blue, double alpha = 1.0) {
        return {red / 255.0, green / 255.0, blue / 255.0, alpha};
    }
    constexpr Colour WithAlpha(double alpha) const { return {r, g, b, alpha}; }
    // Moves toward other by t (0 = this, 1 = other).
    constexpr Colour Mix(const Colour& other, double t) const {
        return {r + (other.r - r) * t, g + (other.g - g) * t, b + (other.b - b) * t, a + (other.a - a) * t};
    }
    Colour Lighter(double t) const { return Mix({1, 1, 1, a}, std::clamp(t, 0.0, 1.0)); }
    Colour Darker(double t) const { return Mix({0, 0, 0, a}, std::clamp(t, 0.0, 1.0)); }
};

// The look of the whole skin: a dark charcoal surface, the deep reds of the menus, white text.
namespace palette {
constexpr Colour kCharcoalDeep = Colour::Rgb(20, 21, 23);
constexpr Colour kCharcoal = Colour::Rgb(30, 31, 34);
constexpr Colour kPanel = Colour::Rgb(37, 39, 43);
constexpr Colour kPanelRaised = Colour::Rgb(48, 50, 55);
constexpr Colour kLine = Colour::Rgb(62, 65, 71);
constexpr Colour kLineSoft = Colour::Rgb(52, 54, 59);
constexpr Colour kGroove = Colour::Rgb(16, 17, 19);
constexpr Colour kMuted = Colour::Rgb(135, 138, 145);
constexpr Colour kSilver = Colour::Rgb(196, 199, 204);
constexpr Colour kWhite = Colour::Rgb(255, 255, 255);
constexpr Colour kRedDeep = Colour::Rgb(111, 41, 41);
constexpr Colour kRed = Colour::Rgb(143, 32, 32);
constexpr Colour kRedBright = Colour::Rgb(196, 48, 48);
constexpr Colour kRedGlow = Colour::Rgb(226, 72, 64);
constexpr Colour kDisabled = Colour::Rgb(70, 72, 77);
} // namespace palette

} // namespace skingen
