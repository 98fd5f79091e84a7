#include "assign/win/AssignmentMenuTracker.h"

#include "controls/win/CExMenu.h"

#include <array>

namespace corvalith {

void AssignmentMenuTracker::Track(const AssignmentMenuPlan& plan, HFONT font, int boxRight, int boxTop,
                                  HWND owner) {
    // The submenus draw their own items, so they live as long as the main menu is shown.
    std::array<CExMenu, AssignmentMenuPlan::kSubmenus> submenus;
    CExMenu menu(font);
    menu.CreatePopupMenu();
    menu.SetItemWidth(plan.Main().ItemWidth);
    for (const AssignmentMenuPlan::Item& item : plan.Main().Items) {
        if (item.Submenu < 0) {
            menu.AppendItem(static_cast<UINT>(item.CommandId), item.Text);
            continue;
        }
        const AssignmentMenuPlan::Menu& content = plan.Submenus()[static_cast<std::size_t>(item.Submenu)];
        CExMenu& submenu = submenus[static_cast<std::size_t>(item.Submenu)];
        submenu.SetFont(font);
        submenu.CreatePopupMenu();
        submenu.SetItemWidth(content.ItemWidth);
        for (const AssignmentMenuPlan::Item& entry : content.Items) {
            submenu.AppendItem(static_cast<UINT>(entry.CommandId), entry.Text);
        }
        menu.AppendSubmenu(item.Text, submenu);
    }
    const Point origin = AssignmentMenuPlan::Origin(boxRight, boxTop);
    menu.Track(origin.X, origin.Y, owner);
    // The menu's own loop has ended; an empty message makes the owner's loop look at its queue.
    ::PostMessageW(owner, WM_NULL, 0, 0);
}

} // namespace corvalith
