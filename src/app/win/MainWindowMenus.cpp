#include "app/win/MainWindowMenus.h"

#include "app/ProgramVersion.h"
#include "controls/win/CExMenu.h"

namespace corvalith {

bool MainWindowMenus::ShowIconMenu(HFONT font, const LanguageTable& texts, HWND owner) {
    SetForegroundWindow(owner);
    CExMenu menu(font);
    menu.CreatePopupMenu();
    menu.SetItemWidth(100);
    menu.AppendItem(kIconMenuExit, texts.Text(TextEntry::Exit));
    POINT cursor;
    GetCursorPos(&cursor);
    return menu.TrackForCommand(cursor.x, cursor.y, owner) == kIconMenuExit;
}

void MainWindowMenus::ShowHelpMenu(HFONT font, const LanguageTable& texts, HWND owner) {
    CExMenu menu(font);
    menu.CreatePopupMenu();
    menu.SetItemWidth(100);
    menu.AppendItem(kHelpOpenSite, texts.Text(TextEntry::MakerAddress));
    menu.AppendItem(kHelpUpdate, texts.Text(TextEntry::Update));
    menu.AppendItem(kHelpVersion, ProgramVersion::MenuItem());
    POINT cursor;
    GetCursorPos(&cursor);
    if (const UINT chosen = menu.TrackForCommand(cursor.x, cursor.y, owner); chosen != 0) {
        ::SendMessageW(owner, WM_COMMAND, chosen, 0);
    }
}

void MainWindowMenus::RunHelpCommand(UINT id, ProgramServices& services) {
    switch (id) {
    case kHelpOpenSite:
        services.Shell.OpenWebPage(services.Language.Text(TextEntry::MakerAddress));
        break;
    case kHelpUpdate:
        if (FindWindowW(nullptr, L"Programmer") != nullptr) {
            return;
        }
        if (services.Link.IsConnected()) {
            services.Shell.StartProgram(services.Skins.ProgramFolder() + "Update\\3360\\FWUpdate.exe");
        }
        PostQuitMessage(0);
        break;
    default:
        break; // the version line does nothing
    }
}

} // namespace corvalith
