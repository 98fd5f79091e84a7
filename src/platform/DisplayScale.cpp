#include "platform/DisplayScale.h"

#include <algorithm>

namespace corvalith {

namespace {

// The quotient rounded towards minus infinity (divisor > 0), so that windows left of or above the
// primary monitor scale as those right of and below it.
long long FloorDivide(long long dividend, long long divisor) {
    const long long quotient = dividend / divisor;
    return (dividend % divisor != 0 && dividend < 0) ? quotient - 1 : quotient;
}

} // namespace

DisplayScale::DisplayScale(int dpi) : dpi_(std::clamp(dpi, kLeastDpi, kMostDpi)) {}

int DisplayScale::Percent() const {
    return static_cast<int>(FloorDivide(200LL * dpi_ + kBaseDpi, 2LL * kBaseDpi));
}

int DisplayScale::ToDevice(int logical) const {
    // logical * dpi / 96 + 1/2, rounded down.
    return static_cast<int>(FloorDivide(2LL * logical * dpi_ + kBaseDpi, 2LL * kBaseDpi));
}

Rect DisplayScale::ToDevice(const Rect& logical) const {
    return {ToDevice(logical.Left), ToDevice(logical.Top), ToDevice(logical.Right), ToDevice(logical.Bottom)};
}

int DisplayScale::ToLogical(int device) const {
    // The largest l with ToDevice(l) <= device: l < (96 * device + 48) / dpi.
    const long long bound = 2LL * kBaseDpi * device + kBaseDpi;
    const long long below = FloorDivide(bound - 1, 2LL * dpi_);
    return static_cast<int>(below);
}

Rect DisplayScale::ToLogical(const Rect& device) const {
    if (device.Right <= device.Left || device.Bottom <= device.Top) {
        return {ToLogical(device.Left), ToLogical(device.Top), ToLogical(device.Left), ToLogical(device.Top)};
    }
    return {ToLogical(device.Left), ToLogical(device.Top), ToLogical(device.Right - 1) + 1,
            ToLogical(device.Bottom - 1) + 1};
}

} // namespace corvalith
