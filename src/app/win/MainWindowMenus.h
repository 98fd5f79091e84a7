#pragma once

#include "app/win/ProgramServices.h"

#include <windows.h>

namespace corvalith {

// The main window's two small menus: the notification icon's ("Exit") and the help button's (the maker's
// web site, the firmware update, the version), and what the help menu's commands do.
class MainWindowMenus {
public:
    enum HelpCommand : UINT { kHelpOpenSite = 1001, kHelpUpdate = 1002, kHelpVersion = 1003 };
    static constexpr UINT kIconMenuExit = IDCANCEL; // the cancel command ends the main window's modal loop

    static bool IsHelpCommand(UINT id) { return id >= kHelpOpenSite && id <= kHelpVersion; }

    // Shows the icon's menu at the pointer; true when "Exit" was chosen.
    static bool ShowIconMenu(HFONT font, const LanguageTable& texts, HWND owner);
    // Shows the help menu at the pointer and sends the chosen command to the owner.
    static void ShowHelpMenu(HFONT font, const LanguageTable& texts, HWND owner);
    // Runs a command of the help menu. The firmware update starts the updater (unless one runs or the mouse
    // is away) and ends the program.
    static void RunHelpCommand(UINT id, ProgramServices& services);
};

} // namespace corvalith
