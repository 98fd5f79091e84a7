#pragma once

#include "platform/Rect.h"
#include "profile/ProfileSettings.h"

namespace corvalith {

// The angle-snapping page's two options. Switching is saved with the profile only: the page announces
// nothing and no upload carries the setting.
class AngleSnapOptions {
public:
    static constexpr Rect kOnToggle{25, 30, 35, 40};
    static constexpr Rect kOffToggle{140, 30, 150, 40};
    static constexpr int kOnCaptionX = 40;
    static constexpr int kOffCaptionX = 155;
    static constexpr int kCaptionY = 30;

    // A click: true when it landed on an option (the page repaints).
    static bool Click(ProfileSettings& profile, int x, int y);
};

} // namespace corvalith
