#pragma once

#include "controls/DialogHover.h"
#include "platform/Rect.h"
#include "skin/SkinFileNames.h"

#include <cstdint>
#include <string_view>

namespace corvalith {

// The key capture dialog's look: its texts and font per language, its fixed rectangles (client pixels),
// its skin images, and which key messages it drops.
class KeyCaptureLayout {
public:
    struct Texts {
        std::string_view Ok, Cancel, Prompt; // UTF-8
    };
    struct Font {
        std::string_view Face; // UTF-8
        int Height;
    };

    static constexpr int kFontWeight = 400;
    static constexpr int kPitchAndFamily = 32;

    static constexpr Rect kPrompt{34, 103, 220, 123};
    static constexpr Rect kKeyLabel{74, 129, 150, 143};
    static constexpr Rect kOk{244, 250, 308, 275};
    static constexpr Rect kCancel{314, 250, 378, 275};
    static constexpr Rect kClose{352, 6, 370, 24};

    static constexpr std::string_view kBackground = SkinFileNames::kInSkins<SkinFileNames::kSingleKey>;
    static constexpr std::string_view kCloseOver = SkinFileNames::kInSkins<SkinFileNames::kCloseOver>;
    static constexpr std::string_view kCloseNormal = SkinFileNames::kInSkins<SkinFileNames::kCloseNormal>;
    static constexpr std::string_view kButtonOver = SkinFileNames::kInSkins<SkinFileNames::kMacroCancelOver>;
    static constexpr std::string_view kButtonNormal =
        SkinFileNames::kInSkins<SkinFileNames::kMacroCancelNormal>;

    // Key messages as the window receives them.
    enum KeyMessage : std::uint32_t {
        kKeyDown = 0x0100,
        kKeyUp = 0x0101,
        kSysKeyDown = 0x0104,
        kSysKeyUp = 0x0105
    };
    enum Key : std::uint32_t {
        kEnter = 0x0D,
        kEscape = 0x1B,
        kSpace = 0x20,
        kLeftWindows = 0x5B,
        kRightWindows = 0x5C,
        kF1 = 0x70,
    };

    static Texts TextsFor(std::string_view languageCode);
    // "CHS": "黑体" on system version 6.2, "宋体" elsewhere, height 13; "CHT": "黑体", 13; else "Arial", 14.
    static Font FontFor(std::string_view languageCode, unsigned systemMajor, unsigned systemMinor);
    // The drawn button under a client point.
    static DialogHover::Button ButtonAt(int x, int y);
    // True for the key messages the dialog drops: the Windows keys, and Enter, Escape, Space and F1.
    static bool DropsKeyMessage(std::uint32_t message, std::uint64_t key);
};

} // namespace corvalith
