#pragma once

#include <windows.h>

#include <string>

namespace corvalith {

// A menu handle that destroys the menu it owns when it goes (a menu attached to a window or to another
// menu is detached first).
class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    ~CMenu() { DestroyMenu(); }

    HMENU Handle() const { return menu_; }
    operator HMENU() const { return menu_; }

    bool CreateMenu();
    bool CreatePopupMenu();
    void Attach(HMENU menu);
    HMENU Detach();
    bool DestroyMenu();

    // A text item; flags as for AppendMenuW (MF_STRING, MF_GRAYED ...).
    bool AppendMenu(UINT flags, UINT_PTR id, const std::wstring& text);
    // An owner-drawn item carrying itemData for the owner's measure and draw handlers.
    bool AppendOwnerDrawn(UINT flags, UINT_PTR id, ULONG_PTR itemData);
    // A submenu; the submenu now belongs to this menu and is detached from its object.
    bool AppendSubMenu(UINT flags, CMenu& submenu, const std::wstring& text);
    bool AppendSeparator() { return ::AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr) != FALSE; }

    int GetMenuItemCount() const { return ::GetMenuItemCount(menu_); }
    UINT GetMenuItemID(int position) const { return ::GetMenuItemID(menu_, position); }
    HMENU GetSubMenu(int position) const { return ::GetSubMenu(menu_, position); }
    bool EnableMenuItem(UINT id, UINT enable) { return ::EnableMenuItem(menu_, id, enable) != -1; }

    // Shows a popup menu at a screen point; with TPM_RETURNCMD the chosen command (0 for none),
    // otherwise whether it was shown (the command then arrives as WM_COMMAND).
    BOOL TrackPopupMenu(UINT flags, int x, int y, HWND owner) const;

private:
    HMENU menu_ = nullptr;
};

} // namespace corvalith
