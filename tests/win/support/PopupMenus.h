#pragma once

#include <windows.h>

#include <vector>

namespace corvalith::test {

// The popup-menu windows of this thread that are shown, in creation order as the system lists them.
std::vector<HWND> PopupMenuWindows();
// The menu a shown popup-menu window displays.
HMENU MenuOf(HWND popup);
// The command ids of the first shown popup menu's items, in order; none when no menu is shown.
std::vector<UINT> ShownMenuIds();

} // namespace corvalith::test
