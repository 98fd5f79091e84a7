#include "profile/ProfileSettings.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <type_traits>

namespace corvalith {

namespace {

constexpr Rgb kRed{0xFF, 0x00, 0x00};
constexpr Rgb kBlue{0x00, 0x00, 0xFF};
constexpr Rgb kGreen{0x00, 0xFF, 0x00};
constexpr Rgb kYellow{0xFF, 0xFF, 0x00};
constexpr Rgb kCyan{0x00, 0xFF, 0xFF};
constexpr Rgb kOrange{0xFF, 0x80, 0x00};
constexpr Rgb kMagenta{0xFF, 0x00, 0xFF};
constexpr Rgb kBlack{0x00, 0x00, 0x00};

// Palette entries 0 to 5 of the mouse and the pad lighting; 6 and 7 are not used.
constexpr Rgb kLightPalette[6] = {kRed, kYellow, kGreen, kCyan, kMagenta, kCyan};

// Writes the leading entries of a field; entries past the given values keep what they held.
template <typename T, std::size_t N>
void CopyPrefix(T (&to)[N], std::initializer_list<std::type_identity_t<T>> from) {
    std::copy_n(from.begin(), std::min(from.size(), N), std::begin(to));
}

template <typename T, std::size_t N, std::size_t M> void CopyPrefix(T (&to)[N], const T (&from)[M]) {
    static_assert(M <= N);
    std::copy(std::begin(from), std::end(from), std::begin(to));
}

} // namespace

void ProfileSettings::ResetToFactoryDefaults() {
    std::fill(std::begin(Reserved1), std::end(Reserved1), 1);
    ReportRate = 1;
    Reserved6 = 2;

    // Stages 1 to 7; the eighth byte of each stage table is not used and keeps its value.
    CopyPrefix(DpiValuesA, {12, 24, 48, 72, 108, 144, 180});
    CopyPrefix(DpiValuesB, {6, 12, 24, 36, 48, 72, 120});
    CopyPrefix(DpiStageEnabled, {1, 1, 1, 1, 1, 1, 1});
    CopyPrefix(DpiStageEnabledSpare, {1, 1, 1, 1, 1, 1, 1});
    CopyPrefix(DpiStageColors, {kRed, kBlue, kGreen, kYellow, kCyan, kOrange, kMagenta, kBlack});

    MouseLightMode = 3;
    std::fill(std::begin(MouseLightParams), std::end(MouseLightParams), 5);
    ReservedMouseLight = 0;
    CopyPrefix(MouseColors, kLightPalette);
    MouseColorIndex = 1;

    PadLightMode = 3;
    CopyPrefix(PadLightParams, {3, 5, 5, 5, 5, 5, 5, 5, 5});
    ReservedPadLight = 0;
    CopyPrefix(PadColors, kLightPalette);
    PadColorIndex = 1;

    EnhancePointerPrecision = 0xFF;
    ScrollOneScreen = 0;
    PointerSpeed = 6;
    ScrollLines = 3;
    DoubleClickSpeed = 6;
    AngleSnapAngle = 0;
    AngleSnapEnabled = 0;
    Reserved168 = 6;
    SensitivityX = 5;
    SensitivityY = 5;
    LiftOffLevel = 3;

    CopyPrefix(ButtonAssignmentKind, {0, 1, 2, 4, 3, 6, 6, 13});
    CopyPrefix(ButtonDpiFunction, {13, 13, 13, 13, 13, 1, 2, 0});
    CopyPrefix(ButtonSpare, {0, 2, 1, 0, 0, 0, 0, 0});

    // The sixteen per-button parameter arrays from the media keys to the macro run modes.
    std::uint8_t* parameters = ButtonMediaKey;
    std::memset(parameters, 0,
                static_cast<std::size_t>(Bytes() + offsetof(ProfileSettings, MacroBlockTable) - parameters));
}

void ProfileSettings::ClampToPageRanges() {
    const auto within = [](std::uint8_t& value, std::uint8_t low, std::uint8_t high, std::uint8_t outside) {
        if (value < low || value > high) {
            value = outside;
        }
    };
    PointerSpeed = std::clamp<std::uint8_t>(PointerSpeed, 1, 11);
    DoubleClickSpeed = std::clamp<std::uint8_t>(DoubleClickSpeed, 1, 11);
    within(ScrollLines, 1, 100, 1);
    if (ReportRate != 1 && ReportRate != 2 && ReportRate != 4 && ReportRate != 8) {
        ReportRate = 2;
    }
    within(SensitivityX, 1, 11, 1);
    within(SensitivityY, 1, 11, 1);
    within(LiftOffLevel, 0, 6, 0);
    for (std::size_t stage = 0; stage < kDpiStages; ++stage) {
        DpiValuesB[stage] = std::clamp<std::uint8_t>(DpiValuesB[stage], 1, 120);
    }
}

ProfileSettings ProfileSettings::FactoryDefaults() {
    ProfileSettings profile{};
    profile.ResetToFactoryDefaults();
    return profile;
}

} // namespace corvalith
