#include "pages/LightingPageModel.h"

#include <array>

namespace corvalith {

namespace {

constexpr std::array<LightingPageModel::Row, 5> kRows{{
    {1, {10, 20, 20, 29}, {100, 20, 228, 28}, true},
    {2, {10, 49, 20, 58}, {100, 49, 228, 57}, false},
    {3, {10, 78, 20, 87}, {100, 78, 228, 86}, false},
    {9, {10, 107, 20, 116}, {100, 107, 228, 115}, false},
    {4, {10, 136, 20, 145}, {100, 136, 228, 144}, false},
}};
constexpr int kMouseSwatchTop = 166;
constexpr int kPadSwatchTop = 137;
constexpr int kFirstMode = 1;
constexpr int kLastMode = 9;
constexpr int kFingerTapping = 4;
constexpr int kFingerTappingVariant = 8; // shown on the "Finger tapping" option of the mouse page

} // namespace

std::span<const LightingPageModel::Row> LightingPageModel::Rows(Target target) {
    return target == Target::Mouse ? std::span<const Row>(kRows) : std::span<const Row>(kRows).first(4);
}

Rect LightingPageModel::Swatch(Target target, int swatch) {
    const int top = target == Target::Mouse ? kMouseSwatchTop : kPadSwatchTop;
    return {100 + 22 * swatch, top, 118 + 22 * swatch, top + 17};
}

Rect LightingPageModel::SwatchStrip(Target target) {
    const Rect first = Swatch(target, 0);
    const Rect last = Swatch(target, kSwatches - 1);
    return {first.Left - 2, first.Top - 2, last.Right + 2, last.Bottom + 2};
}

bool LightingPageModel::SwatchEligible(int mode, int swatch) {
    if (mode == kStandard) {
        return swatch >= 0 && swatch < kEditableSwatches;
    }
    if (mode == kRespiration) {
        return swatch >= 0 && swatch < kSwatches;
    }
    return false;
}

int LightingPageModel::Mode() const {
    return target_ == Target::Mouse ? profile_.MouseLightMode : profile_.PadLightMode;
}

int LightingPageModel::ColourIndex() const {
    return IndexByte();
}

Rgb LightingPageModel::Colour(int swatch) const {
    return swatch >= 0 && swatch < kEditableSwatches ? Colours()[swatch] : Rgb{0, 0, 0};
}

int LightingPageModel::SelectMode(int mode) {
    if (target_ == Target::Mouse) {
        profile_.ReservedMouseLight = 0;
    } else {
        profile_.ReservedPadLight = 0;
    }
    if (mode >= kFirstMode && mode <= kLastMode) {
        ModeByte() = static_cast<std::uint8_t>(mode);
        if (mode == kStandard && IndexByte() == kMultiColour) {
            IndexByte() = 0;
        }
    }
    return Notification();
}

int LightingPageModel::SliderLevel(int rowMode) const {
    if (rowMode < kFirstMode || rowMode > kLastMode) {
        return kMinimumLevel;
    }
    const int level = Params()[rowMode - 1];
    return level >= kMinimumLevel && level <= kMaximumLevel ? level : kMinimumLevel;
}

std::optional<int> LightingPageModel::SelectedRowMode() const {
    const int mode = Mode();
    for (const Row& row : Rows(target_)) {
        if (row.Mode == mode) {
            return mode;
        }
    }
    if (target_ == Target::Mouse && mode == kFingerTappingVariant) {
        return kFingerTapping;
    }
    return std::nullopt;
}

bool LightingPageModel::DrawsOptions() const {
    const int mode = Mode();
    return mode >= 1 && mode <= 10;
}

std::optional<int> LightingPageModel::FramedSwatch() const {
    const int mode = Mode();
    if (mode != kStandard && mode != kRespiration) {
        return kMultiColour;
    }
    const int index = ColourIndex();
    return index < kSwatches ? std::optional<int>(index) : std::nullopt;
}

int LightingPageModel::SliderReleased(int sliderId, int position) {
    if (sliderId < kFirstSliderId || sliderId > kLastSliderId) {
        return 0;
    }
    Params()[sliderId - kFirstSliderId] = static_cast<std::uint8_t>(position);
    return Notification();
}

int LightingPageModel::Click(int x, int y) {
    int notifications = 0;
    // The options in mode order (only the rows have rectangles); the first hit selects its mode.
    for (int mode = kFirstMode; mode <= kLastMode; ++mode) {
        if (target_ == Target::Pad && mode == kFingerTapping) {
            continue;
        }
        bool hit = false;
        for (const Row& row : Rows(target_)) {
            hit = hit || (row.Mode == mode && row.Toggle.Contains(x, y));
        }
        if (hit) {
            notifications += SelectMode(mode);
            break;
        }
    }
    for (int swatch = 0; swatch < kSwatches; ++swatch) {
        if (Swatch(target_, swatch).Contains(x, y) && SwatchEligible(Mode(), swatch)) {
            IndexByte() = static_cast<std::uint8_t>(swatch);
            notifications += Notification();
        }
    }
    return notifications;
}

std::optional<int> LightingPageModel::ColourSwatchAt(int x, int y) const {
    const int mode = Mode();
    if (mode != kStandard && mode != kRespiration) {
        return std::nullopt;
    }
    for (int swatch = 0; swatch < kEditableSwatches; ++swatch) {
        if (Swatch(target_, swatch).Contains(x, y)) {
            return swatch;
        }
    }
    return std::nullopt;
}

int LightingPageModel::ColourChosen(int swatch, Rgb colour) {
    if (swatch < 0 || swatch >= kEditableSwatches) {
        return 0;
    }
    Colours()[swatch] = colour;
    return Notification();
}

} // namespace corvalith
