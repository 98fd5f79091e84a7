#pragma once

#include "assign/AssignmentMenuPlan.h"

#include <windows.h>

namespace corvalith {

// Shows a button's assignment menu as its plan lists it, skinned menus and their submenus, beside the
// button's drop-down box; the chosen item arrives at the owner as a window command.
class AssignmentMenuTracker {
public:
    // boxRight, boxTop: the drop-down box's corner on the screen.
    static void Track(const AssignmentMenuPlan& plan, HFONT font, int boxRight, int boxTop, HWND owner);
};

} // namespace corvalith
