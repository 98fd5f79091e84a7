#pragma once

#include "platform/Rect.h"
#include "profile/ProfileSettings.h"

#include <optional>
#include <string>
#include <string_view>

namespace corvalith {

// The scroll-speed page: a number of lines per wheel notch (1..100, an edit box with up and down
// arrows) or one screen per notch. Clicks change the profile; every click on the page is followed by
// the settings-changed notification (scroll), typing is not.
class ScrollSpeedModel {
public:
    static constexpr int kMinimumLines = 1;
    static constexpr int kMaximumLines = 100;
    static constexpr Rect kRowsToggle{5, 17, 16, 30};
    static constexpr Rect kScreenToggle{5, 50, 16, 62};
    static constexpr Rect kLinesBox{150, 15, 186, 29};
    static constexpr Rect kUpArrow{kLinesBox.Right + 4, kLinesBox.Top, kLinesBox.Right + 14,
                                   kLinesBox.Top + 6};
    static constexpr Rect kDownArrow{kLinesBox.Right + 4, kLinesBox.Top + 8, kLinesBox.Right + 14,
                                     kLinesBox.Top + 14};
    // The captions run up to the lines box, and below it to the page's right edge; each is as tall as
    // the font, around the middle of its toggle.
    static constexpr Rect kRowsCaption{24, 14, kLinesBox.Left - 4, 30};
    static constexpr Rect kScreenCaption{24, 49, 236, 63};

    // What the lines box shows: enabled with the line count, or disabled with "0" in one-screen mode.
    struct Box {
        bool Enabled = true;
        std::string Text;
        friend bool operator==(const Box&, const Box&) = default;
    };
    // A click's change of the box: its enabled state and, when it changes, its text.
    struct BoxChange {
        std::optional<bool> Enable;
        std::optional<std::string> Text;
        friend bool operator==(const BoxChange&, const BoxChange&) = default;
    };

    static Box BoxFor(const ProfileSettings& profile);
    static bool OneScreen(const ProfileSettings& profile) { return profile.ScrollOneScreen == 1; }

    // A left click anywhere on the page.
    static BoxChange Click(ProfileSettings& profile, int x, int y);
    // The box's text changed: stores the line count; returns the text that replaces one outside 1..100.
    static std::optional<std::string> TextChanged(ProfileSettings& profile, std::string_view text);
};

} // namespace corvalith
