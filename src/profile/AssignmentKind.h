#pragma once

#include <cstdint>
#include <string_view>

namespace corvalith {

// What a button slot does: the kind byte of `ButtonAssignmentKind`. Values 12 and 14 are never
// assigned; they and anything above 18 reach the mouse as the empty code.
enum class AssignmentKind : std::uint8_t {
    Click = 0,
    Menu = 1,
    Scroll = 2,
    Forward = 3,
    Back = 4,
    DoubleClick = 5,
    DpiFunction = 6,
    MediaKey = 7,
    CtrlShortcut = 8,
    SystemFunction = 9,
    SingleKey = 10,
    Macro = 11,
    Deactivated = 13,
    LeftTilt = 15,
    RightTilt = 16,
    Fn = 17,
    Snipe = 18,
};

// True for the values a button slot can hold (0 to 11, 13, 15 to 18).
bool IsAssignmentKind(std::uint8_t value);

// The kind's name as written in the code ("Click", "DpiFunction"...); "" for a value that is no kind.
std::string_view AssignmentKindName(std::uint8_t value);

} // namespace corvalith
