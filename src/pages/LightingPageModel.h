#pragma once

#include "platform/Rect.h"
#include "platform/Rgb.h"
#include "profile/ProfileSettings.h"

#include <cstdint>
#include <optional>
#include <span>

namespace corvalith {

// What the two lighting pages decide: the mouse's lighting (posting the lighting notification for every
// change) and the mouse pad's (saved with the profile only). A mode has an option, a level slider 1..6
// and, in "Standard" and "Respiration", a choice of palette swatch; swatch 5 is the multi-colour one.
class LightingPageModel {
public:
    enum class Target { Mouse, Pad };
    static constexpr int kSwatches = 6;
    static constexpr int kEditableSwatches = 5;
    static constexpr int kMultiColour = 5;
    static constexpr int kFirstSliderId = 2037; // the slider of mode m is 2036 + m
    static constexpr int kLastSliderId = 2045;
    static constexpr int kMinimumLevel = 1;
    static constexpr int kMaximumLevel = 6;
    static constexpr int kStandard = 1;
    static constexpr int kRespiration = 2;

    struct Row {
        int Mode = 0;
        Rect Toggle;
        Rect Slider;
        bool PercentScale = false; // "0%".."100%" under the slider, else "1".."5"
        int SliderId() const { return 2036 + Mode; }
    };

    // The rows top to bottom: modes 1, 2, 3, 9 and, on the mouse page only, 4.
    static std::span<const Row> Rows(Target target);
    static Rect Swatch(Target target, int swatch);
    // The strip repainted after a click: swatch 0's left - 2, top - 2 to swatch 5's right + 2, bottom + 2.
    static Rect SwatchStrip(Target target);
    static bool SwatchEligible(int mode, int swatch);

    LightingPageModel(ProfileSettings& profile, Target target) : profile_(profile), target_(target) {}

    Target Which() const { return target_; }
    int Mode() const;
    int ColourIndex() const;
    Rgb Colour(int swatch) const;
    // Whether a change on this page is announced with the lighting notification.
    bool Notifies() const { return target_ == Target::Mouse; }

    // Select mode m: returns the notifications to post (one on the mouse page, whatever m is).
    int SelectMode(int mode);
    // Whether the slider of a row's mode takes input; and the level it shows (1 for one outside 1..6).
    bool SliderEnabled(int rowMode) const { return rowMode == Mode(); }
    int SliderLevel(int rowMode) const;
    // The row shown selected, or nullopt; DrawsOptions false: no option images at all.
    std::optional<int> SelectedRowMode() const;
    bool DrawsOptions() const;
    // The swatch framed in white, or nullopt for an index the page has no swatch for.
    std::optional<int> FramedSwatch() const;

    // A slider released: notifications to post (0 for an identifier that is not a lighting slider).
    int SliderReleased(int sliderId, int position);
    // A left click: options first, then the swatches of the mode in force; notifications to post.
    int Click(int x, int y);
    // A double click: the swatch whose colour chooser opens, if any.
    std::optional<int> ColourSwatchAt(int x, int y) const;
    int ColourChosen(int swatch, Rgb colour);

private:
    std::uint8_t& ModeByte() {
        return target_ == Target::Mouse ? profile_.MouseLightMode : profile_.PadLightMode;
    }
    std::uint8_t* Params() const {
        return target_ == Target::Mouse ? profile_.MouseLightParams : profile_.PadLightParams;
    }
    std::uint8_t& IndexByte() const {
        return target_ == Target::Mouse ? profile_.MouseColorIndex : profile_.PadColorIndex;
    }
    Rgb* Colours() const { return target_ == Target::Mouse ? profile_.MouseColors : profile_.PadColors; }
    int Notification() const { return Notifies() ? 1 : 0; }

    ProfileSettings& profile_;
    Target target_;
};

} // namespace corvalith
