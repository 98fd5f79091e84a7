#include "pages/AngleSnapOptions.h"

namespace corvalith {

bool AngleSnapOptions::Click(ProfileSettings& profile, int x, int y) {
    if (kOffToggle.Contains(x, y)) {
        profile.AngleSnapEnabled = 0;
        return true;
    }
    if (kOnToggle.Contains(x, y)) {
        profile.AngleSnapEnabled = 1;
        return true;
    }
    return false;
}

} // namespace corvalith
