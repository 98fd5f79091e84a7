#pragma once

#include "platform/Rect.h"
#include "skin/SkinFileNames.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvalith {

// The profile manager's fixed geometry, its texts in the four languages and which area a click hits.
class ConfigDialogLayout {
public:
    struct Texts {
        std::string_view Title, NamePrefix, New, Delete, Edit, Copy, Load, Save, MessageTitle, LimitMessage;
        // The programs a profile follows: the submenu, its item that adds one with the file dialog, and the
        // mark of the profile to return to when no program has a profile.
        std::string_view Programs, UseWhileInFront, ReturnToThis;
    };

    enum class Area { None, New, Delete, Close };

    // Commands of the list's context menu (menu 145), in menu order.
    enum Command : unsigned { kDelete = 32781, kEdit = 32782, kCopy = 32783, kLoad = 32784, kSave = 32785 };
    // The programs submenu: add a program, mark the profile to return to, and one command per program of
    // the selected profile (choosing one takes it away).
    enum ProgramCommand : unsigned {
        kAddProgram = 32800,
        kReturnToThis = 32801,
        kFirstProgram = 32810,
        kLastProgram = kFirstProgram + 63,
    };
    // The programs submenu is wide enough for its texts and a program's path.
    static constexpr int kProgramMenuWidth = 360;
    // The file dialog's filter for a program.
    static constexpr const char* kProgramFilter = "Programs(*.exe)|*.exe||";
    // File must exist, path must exist, hide read-only.
    static constexpr std::uint32_t kProgramDialogFlags = 0x1804;
    static constexpr unsigned kTemplateId = 144;
    static constexpr unsigned kMenuId = 145;
    static constexpr int kListId = 130;

    static constexpr std::string_view kBackground = SkinFileNames::kInSkins<SkinFileNames::kConfig>;
    static constexpr std::string_view kCloseImage = SkinFileNames::kInSkins<SkinFileNames::kCloseNormal>;
    static constexpr std::string_view kNewImage = SkinFileNames::kInSkins<SkinFileNames::kNewConfig>;
    static constexpr std::string_view kDeleteImage = SkinFileNames::kInSkins<SkinFileNames::kDelConfig>;

    static constexpr Rect kList{0, 31, 263, 575};
    static constexpr Rect kNewArea{0, 575, 100, 598};
    static constexpr Rect kDeleteArea{110, 575, 230, 598};
    static constexpr Rect kCloseArea{240, 8, 255, 23};
    static constexpr Rect kTitle{10, 0, 80, 31};
    // Icons sit this far inside their areas; captions run from 30 to 80 pixels right of the area's left.
    static constexpr int kIconDx = 14, kIconDy = 7, kCaptionLeft = 30, kCaptionRight = 80;
    static constexpr int kFontHeight = 13;
    static constexpr unsigned kListText = 0xFAFAFA; // red, green, blue
    static constexpr unsigned kBackColour = 0x282828;

    static Area HitTest(int x, int y);
    // "CHS", "CHT", "DE"; anything else gives the English texts.
    static const Texts& TextsFor(std::string_view languageCode);
    static std::string_view FontFace(std::string_view languageCode);
    // The caption box of an area's text.
    static Rect CaptionBox(const Rect& area) {
        return {area.Left + kCaptionLeft, area.Top, area.Left + kCaptionRight, area.Bottom};
    }
};

} // namespace corvalith
