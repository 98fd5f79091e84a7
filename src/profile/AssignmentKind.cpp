#include "profile/AssignmentKind.h"

#include <array>

namespace corvalith {

namespace {

constexpr std::array<std::string_view, 19> kNames = {
    "Click",       "Menu",        "Scroll",   "Forward",      "Back",
    "DoubleClick", "DpiFunction", "MediaKey", "CtrlShortcut", "SystemFunction",
    "SingleKey",   "Macro",       "",         "Deactivated",  "",
    "LeftTilt",    "RightTilt",   "Fn",       "Snipe",
};

} // namespace

bool IsAssignmentKind(std::uint8_t value) {
    return !AssignmentKindName(value).empty();
}

std::string_view AssignmentKindName(std::uint8_t value) {
    return value < kNames.size() ? kNames[value] : std::string_view{};
}

} // namespace corvalith
