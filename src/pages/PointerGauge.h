#pragma once

#include "platform/Rect.h"

#include <optional>
#include <string>

namespace corvalith {

// The half-dial gauge of the pointer-speed and double-click pages: a level 1..11 chosen on the upper half
// of a ring, slow on the left and fast on the right.
class PointerGauge {
public:
    static constexpr int kImageX = 50;
    static constexpr int kImageY = 20;
    static constexpr int kCentreX = kImageX + 71; // 121
    static constexpr int kCentreY = kImageY + 71; // 91
    static constexpr int kInnerRadius = 43;
    static constexpr int kOuterRadius = 71;
    static constexpr int kMinimumLevel = 1;
    static constexpr int kMaximumLevel = 11;
    static constexpr Rect kSlowCaption{5, 73, 50, 103};
    static constexpr Rect kFastCaption{192, 73, 237, 103};

    struct Click {
        int Level = 0;               // the level after the click, 1..11
        std::optional<double> Angle; // degrees from the right, when the click was on the ring
    };

    // A click at x, y with the current level: nullopt below the centre line (ignored completely, nothing
    // posted); otherwise the level to store (unchanged off the ring) and the notification follows.
    static std::optional<Click> ClickAt(int x, int y, int level);

    // The angle of a point of the upper half, counted from the right-hand axis upwards; 175 and more
    // count as 185 (the slow end).
    static double AngleOf(int dx, int dy);
    static int LevelOfAngle(double angle);
    static int Clamped(int level);

    // The gauge picture of a level ("Skins/MouseAttribute/Speed/7.png").
    static std::string Image(int level);
    // The debug line of the double-click page for a click on the ring.
    static std::string DebugLine(double angle);
};

} // namespace corvalith
