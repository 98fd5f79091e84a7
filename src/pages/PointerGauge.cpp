#include "pages/PointerGauge.h"

#include "skin/SkinFileNames.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace corvalith {

namespace {

constexpr double kDegreesPerRadian = 57.295780490442965;
constexpr double kDegreesPerLevel = 18.0;

} // namespace

std::optional<PointerGauge::Click> PointerGauge::ClickAt(int x, int y, int level) {
    const int dx = x - kCentreX;
    const int dy = y - kCentreY;
    if (dy > 0) {
        return std::nullopt;
    }
    Click click{level, std::nullopt};
    const double distance = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
    if (distance >= kInnerRadius && distance <= kOuterRadius) {
        click.Angle = AngleOf(dx, dy);
        click.Level = LevelOfAngle(*click.Angle);
    }
    click.Level = Clamped(click.Level);
    return click;
}

double PointerGauge::AngleOf(int dx, int dy) {
    const double ax = std::abs(dx);
    const double ay = std::abs(dy);
    if (dx > 0) {
        return std::atan(ay / ax) * kDegreesPerRadian;
    }
    if (dx == 0) {
        return 90.0;
    }
    // On the left; dy is 0 only on the axis itself, the slow end.
    const double angle = ay == 0 ? 180.0 : 90.0 + std::atan(ax / ay) * kDegreesPerRadian;
    return angle >= 175.0 ? 185.0 : angle;
}

int PointerGauge::LevelOfAngle(double angle) {
    return static_cast<int>(12.0 - angle / kDegreesPerLevel);
}

int PointerGauge::Clamped(int level) {
    return std::clamp(level, kMinimumLevel, kMaximumLevel);
}

std::string PointerGauge::Image(int level) {
    return SkinFileNames::InSkins(SkinFileNames::PointerSpeed(level));
}

std::string PointerGauge::DebugLine(double angle) {
    char line[96];
    std::snprintf(line, sizeof line, "angle/18:angle=%f,angle/18=%d\n", angle,
                  static_cast<int>(angle / kDegreesPerLevel));
    return line;
}

} // namespace corvalith
