#pragma once

#include "app/TrayMenuPlan.h"
#include "app/win/ProgramServices.h"

#include <windows.h>

#include <vector>

namespace corvalith {

// The main window's two small menus: the notification icon's (the profiles, automatic switching, "Exit") and
// the help button's (the maker's web site, the firmware update, the version), and what the help menu's
// commands do.
class MainWindowMenus {
public:
    enum HelpCommand : UINT { kHelpOpenSite = 1001, kHelpUpdate = 1002, kHelpVersion = 1003 };

    static bool IsHelpCommand(UINT id) { return id >= kHelpOpenSite && id <= kHelpVersion; }

    // Shows the icon's menu (TrayMenuPlan's items) at the pointer; the command chosen, 0 for none.
    static UINT ShowIconMenu(HFONT font, const std::vector<TrayMenuPlan::Item>& items, HWND owner);
    // Shows the help menu at the pointer and sends the chosen command to the owner.
    static void ShowHelpMenu(HFONT font, const LanguageTable& texts, HWND owner);
    // Runs a command of the help menu. The firmware update starts the updater (unless one runs or the mouse
    // is away) and ends the program.
    static void RunHelpCommand(UINT id, ProgramServices& services);
};

} // namespace corvalith
