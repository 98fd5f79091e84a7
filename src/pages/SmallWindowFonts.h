#pragma once

#include <string_view>

namespace corvalith {

// The fonts of the lift-off notice and of the lift-off help tip, chosen from the language code.
// The notice treats "JP" like the two Chinese codes; the tip, like every other window, uses the
// Chinese face only for "CHS" and "CHT". Codes are compared exactly.
class SmallWindowFonts {
public:
    struct Font {
        int height = 0;
        std::string_view face; // UTF-8
    };

    // Weight and pitch-and-family of the notice's font.
    static constexpr int kWarningWeight = 500;
    static constexpr int kWarningPitchAndFamily = 0x20;

    // The notice's texts: 13 and "黑体" for "CHS", "CHT" and "JP", else 14 and "Arial".
    static Font Warning(std::string_view code);
    // The captions of the notice's OK and Cancel buttons: 12 for those three codes, else 14, same faces.
    static Font WarningButton(std::string_view code);
    // The help tip: 12, "黑体" for "CHS" and "CHT", else "Arial".
    static Font ToolTip(std::string_view code);

private:
    static bool NoticeUsesChineseFace(std::string_view code);
};

} // namespace corvalith
