#include "pages/ScrollSpeedModel.h"

#include "pages/DpiScale.h"

#include <algorithm>

namespace corvalith {

ScrollSpeedModel::Box ScrollSpeedModel::BoxFor(const ProfileSettings& profile) {
    if (profile.ScrollOneScreen != 0) {
        return {false, "0"};
    }
    return {true, std::to_string(profile.ScrollLines)};
}

ScrollSpeedModel::BoxChange ScrollSpeedModel::Click(ProfileSettings& profile, int x, int y) {
    BoxChange change;
    const bool lines = profile.ScrollOneScreen == 0;
    if (kUpArrow.Contains(x, y) && lines) {
        profile.ScrollLines = static_cast<std::uint8_t>(std::min(profile.ScrollLines + 1, kMaximumLines));
        change.Text = std::to_string(profile.ScrollLines);
    }
    if (kDownArrow.Contains(x, y) && lines) {
        profile.ScrollLines = static_cast<std::uint8_t>(std::max(profile.ScrollLines - 1, kMinimumLines));
        change.Text = std::to_string(profile.ScrollLines);
    }
    if (kRowsToggle.Contains(x, y)) {
        profile.ScrollOneScreen = 0;
        change.Enable = true;
        change.Text = std::to_string(profile.ScrollLines);
    }
    if (kScreenToggle.Contains(x, y)) {
        change.Enable = false;
        profile.ScrollOneScreen = 1;
    }
    return change;
}

std::optional<std::string> ScrollSpeedModel::TextChanged(ProfileSettings& profile, std::string_view text) {
    if (profile.ScrollOneScreen != 0) {
        return std::nullopt;
    }
    const long long number = DpiScale::LeadingNumber(text); // not a number reads as 0
    if (number < kMinimumLines || number > kMaximumLines) {
        profile.ScrollLines = kMinimumLines;
        return std::string("1");
    }
    profile.ScrollLines = static_cast<std::uint8_t>(number);
    return std::nullopt;
}

} // namespace corvalith
