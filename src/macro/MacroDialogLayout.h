#pragma once

#include "controls/DialogHover.h"
#include "platform/Rect.h"
#include "skin/SkinFileNames.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace corvalith {

// The macro assignment dialog's look: its texts per language, its fixed rectangles (client pixels), its
// skin images and where a click lands.
class MacroDialogLayout {
public:
    struct Texts {
        std::string_view Ok, Cancel, Prompt; // UTF-8
        std::array<std::string_view, 3> RunModes;
    };

    // What a left click hits.
    enum class Target { None, NameField, RunMode0, RunMode1, RunMode2, Ok, Cancel, Close };

    static constexpr Rect kPrompt{12, 96, 181, 128};
    static constexpr Rect kNameField{42, 128, 151, 144};
    static constexpr Rect kNameLabel{42, 128, 136, 144};
    static constexpr Rect kList{42, 146, 151, 286};
    static constexpr std::array<Rect, 3> kRunModeMarks{
        {{220, 78, 236, 94}, {220, 128, 236, 144}, {220, 178, 236, 194}}};
    static constexpr std::array<Rect, 3> kRunModeTexts{
        {{237, 70, 390, 102}, {237, 120, 390, 152}, {237, 170, 390, 202}}};
    static constexpr Rect kOk{250, 250, 308, 275};
    static constexpr Rect kCancel{314, 250, 372, 275};
    static constexpr Rect kClose{352, 6, 370, 24};

    static constexpr int kFontHeight = 13;
    static constexpr int kFontWeight = 400;
    static constexpr std::uint8_t kListBackground[3] = {40, 40, 40};

    static constexpr std::string_view kBackground = SkinFileNames::kInSkins<SkinFileNames::kMacroKey>;
    // The window's size when its background cannot be loaded: every area above, the close button's too,
    // lies inside it, so the window can still be seen and closed.
    static constexpr int kFallbackWidth = 400;
    static constexpr int kFallbackHeight = 300;
    static constexpr std::string_view kModeMarked = SkinFileNames::kInSkins<SkinFileNames::kPaneTick>;
    static constexpr std::string_view kModeUnmarked = SkinFileNames::kInSkins<SkinFileNames::kPane>;
    static constexpr std::string_view kButtonNormal = SkinFileNames::kInSkins<SkinFileNames::kNewNormal>;
    static constexpr std::string_view kButtonOver = SkinFileNames::kInSkins<SkinFileNames::kNewOver>;
    static constexpr std::string_view kCloseNormal = SkinFileNames::kInSkins<SkinFileNames::kCloseNormal>;
    static constexpr std::string_view kCloseOver = SkinFileNames::kInSkins<SkinFileNames::kCloseOver>;

    // "EN", "DE", "CHS", "CHT"; every text stays empty for any other code.
    static Texts TextsFor(std::string_view languageCode);
    // "黑体" for "CHS" and "CHT", else "Arial".
    static std::string_view FontFace(std::string_view languageCode);
    static Target TargetAt(int x, int y);
    static DialogHover::Button ButtonAt(int x, int y);
};

} // namespace corvalith
