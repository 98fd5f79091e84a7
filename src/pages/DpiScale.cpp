#include "pages/DpiScale.h"

#include <algorithm>

namespace corvalith {

namespace {

constexpr int kFineLastStep50 = 144; // code 144 is 7200 DPI, the last of the 50 DPI steps
constexpr int kFineLastDpi50 = 7200;
constexpr int kFineMaximumDpi = 10800;
constexpr int kCoarseMinimumDpi = 100;
constexpr int kCoarseMaximumDpi = 12000;

} // namespace

int DpiScale::DpiOfCode(StepMode mode, int code) {
    if (mode == StepMode::Coarse) {
        return code * 100;
    }
    return code <= kFineLastStep50 ? code * 50 : code * 100 - kFineLastDpi50;
}

int DpiScale::CodeOfDpi(StepMode mode, long long dpi) {
    if (mode == StepMode::Coarse) {
        return static_cast<int>(std::clamp<long long>(dpi, kCoarseMinimumDpi, kCoarseMaximumDpi) / 100);
    }
    if (dpi <= 50) {
        return 1;
    }
    if (dpi >= kFineMaximumDpi) {
        return MaximumCode(StepMode::Fine);
    }
    if (dpi <= kFineLastDpi50) {
        return static_cast<int>(dpi / 50);
    }
    return static_cast<int>((dpi + kFineLastDpi50) / 100);
}

long long DpiScale::LeadingNumber(std::string_view text) {
    constexpr long long kCap = 1'000'000'000; // far above any DPI; keeps the sum from overflowing
    long long number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        number = std::min(number * 10 + (c - '0'), kCap);
    }
    return number;
}

} // namespace corvalith
