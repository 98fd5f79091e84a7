#include "app/win/MainWindowMenus.h"

#include "app/ProgramVersion.h"
#include "controls/win/CExMenu.h"
#include "platform/win/WideString.h"

#include <algorithm>

namespace corvalith {

UINT MainWindowMenus::ShowIconMenu(HFONT font, const std::vector<TrayMenuPlan::Item>& items, HWND owner) {
    SetForegroundWindow(owner);
    CExMenu menu(font);
    menu.CreatePopupMenu();
    // As wide as the widest text, from the one item's 100 pixels up to 400.
    int width = 100;
    if (const HDC screen = ::GetDC(nullptr)) {
        const HGDIOBJ previous = font != nullptr ? ::SelectObject(screen, font) : nullptr;
        for (const TrayMenuPlan::Item& item : items) {
            const std::wstring text = WideString::FromUtf8(item.Text);
            SIZE size{};
            if (::GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size)) {
                width =
                    std::max(width, static_cast<int>(size.cx) + CExMenu::kTextIndent + CExMenu::kMarkWidth);
            }
        }
        if (previous != nullptr) {
            ::SelectObject(screen, previous);
        }
        ::ReleaseDC(nullptr, screen);
    }
    menu.SetItemWidth(std::min(width, 400));
    for (const TrayMenuPlan::Item& item : items) {
        menu.AppendItem(item.Id, item.Text, item.Marked);
    }
    POINT cursor;
    GetCursorPos(&cursor);
    return menu.TrackForCommand(cursor.x, cursor.y, owner);
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
