#include "win/support/PopupMenus.h"

#include <string>

namespace corvalith::test {

std::vector<HWND> PopupMenuWindows() {
    std::vector<HWND> found;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM list) -> BOOL {
            wchar_t name[16] = {};
            ::GetClassNameW(window, name, 16);
            if (std::wstring(name) == L"#32768" && ::IsWindowVisible(window)) {
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

HMENU MenuOf(HWND popup) {
    return reinterpret_cast<HMENU>(::SendMessageW(popup, MN_GETHMENU, 0, 0));
}

std::vector<UINT> ShownMenuIds() {
    std::vector<UINT> ids;
    const std::vector<HWND> popups = PopupMenuWindows();
    const HMENU menu = popups.empty() ? nullptr : MenuOf(popups.front());
    for (int i = 0; menu != nullptr && i < ::GetMenuItemCount(menu); ++i) {
        ids.push_back(::GetMenuItemID(menu, i));
    }
    return ids;
}

} // namespace corvalith::test
