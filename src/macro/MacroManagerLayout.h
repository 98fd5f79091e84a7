#pragma once

#include "controls/DialogHover.h"
#include "platform/Rect.h"
#include "skin/SkinFileNames.h"

#include <cstdint>
#include <string_view>

namespace corvalith {

// The macro manager's look: its texts per language, its fixed rectangles (client pixels), its skin images
// and where a click lands.
class MacroManagerLayout {
public:
    struct Texts {
        std::string_view Ok, Cancel, Title, MacroHeader, EventHeader, OptionsHeader, DelayRecording, Loop,
            New, Delete, NameBase, RecordIdle, RecordRunning, InsertLeft, InsertMiddle, InsertRight,
            InsertDelay, LimitCaption, LimitMessage; // UTF-8
    };

    // What a left click hits.
    enum class Target { None, Ok, Cancel, Close, New, Delete, DelayCheck, LoopCheck };

    static constexpr Rect kTitle{15, 0, 414, 31};
    static constexpr Rect kMacroHeader{16, 60, 134, 78};
    static constexpr Rect kEventHeader{148, 60, 266, 78};
    static constexpr Rect kOptionsHeader{279, 60, 397, 78};
    static constexpr Rect kMacroList{21, 82, 130, 353};
    static constexpr Rect kEventList{153, 82, 262, 353};
    static constexpr Rect kRecord{295, 87, 384, 111};
    static constexpr Rect kDelayText{290, 136, 370, 206};
    static constexpr Rect kDelayCheck{370, 144, 384, 158};
    static constexpr Rect kLoopText{296, 299, 401, 314};
    static constexpr Rect kLoopCheck{296, 314, 310, 328};
    static constexpr Rect kLoopCount{298, 333, 379, 345};
    static constexpr Rect kNew{17, 367, 75, 392};
    static constexpr Rect kDelete{77, 367, 135, 392};
    static constexpr Rect kOk{298, 394, 352, 422};
    static constexpr Rect kCancel{354, 394, 408, 422};
    static constexpr Rect kClose{427, 17, 478, 41};

    static constexpr int kFontHeight = 13;
    static constexpr int kFontWeight = 400;
    static constexpr int kLoopFontHeight = 12;
    static constexpr int kMenuItemWidth = 140;
    static constexpr std::uint8_t kListBackground[3] = {109, 109, 109};
    static constexpr std::uint8_t kLoopBackground[3] = {34, 24, 21};

    static constexpr std::string_view kBackground = SkinFileNames::kInSkins<SkinFileNames::kMacroManagement>;
    // The window's size when its background cannot be loaded: every area above, the close button's too,
    // lies inside it, so the window can still be seen and closed.
    static constexpr int kFallbackWidth = 490;
    static constexpr int kFallbackHeight = 432;
    static constexpr std::string_view kButtonNormal =
        SkinFileNames::kInSkins<SkinFileNames::kMacroCancelNormal>;
    static constexpr std::string_view kButtonOver = SkinFileNames::kInSkins<SkinFileNames::kMacroCancelOver>;
    static constexpr std::string_view kNewNormal = SkinFileNames::kInSkins<SkinFileNames::kNewNormal>;
    static constexpr std::string_view kNewOver = SkinFileNames::kInSkins<SkinFileNames::kNewOver>;
    static constexpr std::string_view kCloseNormal =
        SkinFileNames::kInSkins<SkinFileNames::kMacroCloseNormal>;
    static constexpr std::string_view kCloseOver = SkinFileNames::kInSkins<SkinFileNames::kMacroCloseOver>;
    static constexpr std::string_view kCheckClear = SkinFileNames::kInSkins<SkinFileNames::kMacroPane>;
    static constexpr std::string_view kCheckTicked = SkinFileNames::kInSkins<SkinFileNames::kMacroPaneTick>;
    static constexpr std::string_view kRecordNormal = SkinFileNames::kInSkins<SkinFileNames::kRecordNormal>;
    static constexpr std::string_view kRecordOver = SkinFileNames::kInSkins<SkinFileNames::kRecordOver>;
    static constexpr int kRecordImageWidth = 122;
    static constexpr int kRecordImageHeight = 24;

    // "EN", "DE", "CHS", "CHT"; every text stays empty for any other code.
    static Texts TextsFor(std::string_view languageCode);
    // "黑体" for "CHS" and "CHT", else "Arial".
    static std::string_view FontFace(std::string_view languageCode);
    // The record button's caption font: "黑体" 12 for Chinese, else "Arial" 14.
    static int RecordFontHeight(std::string_view languageCode);
    static Target TargetAt(int x, int y);
    static DialogHover::Button ButtonAt(int x, int y);
};

} // namespace corvalith
