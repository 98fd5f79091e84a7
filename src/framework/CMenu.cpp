#include "framework/CMenu.h"

namespace corvalith {

bool CMenu::CreateMenu() {
    DestroyMenu();
    menu_ = ::CreateMenu();
    return menu_ != nullptr;
}

bool CMenu::CreatePopupMenu() {
    DestroyMenu();
    menu_ = ::CreatePopupMenu();
    return menu_ != nullptr;
}

void CMenu::Attach(HMENU menu) {
    DestroyMenu();
    menu_ = menu;
}

HMENU CMenu::Detach() {
    const HMENU menu = menu_;
    menu_ = nullptr;
    return menu;
}

bool CMenu::DestroyMenu() {
    if (menu_ == nullptr) {
        return false;
    }
    const bool destroyed = ::DestroyMenu(menu_) != FALSE;
    menu_ = nullptr;
    return destroyed;
}

bool CMenu::AppendMenu(UINT flags, UINT_PTR id, const std::wstring& text) {
    return ::AppendMenuW(menu_, flags | MF_STRING, id, text.c_str()) != FALSE;
}

bool CMenu::AppendOwnerDrawn(UINT flags, UINT_PTR id, ULONG_PTR itemData) {
    return ::AppendMenuW(menu_, flags | MF_OWNERDRAW, id, reinterpret_cast<LPCWSTR>(itemData)) != FALSE;
}

bool CMenu::AppendSubMenu(UINT flags, CMenu& submenu, const std::wstring& text) {
    if (!::AppendMenuW(menu_, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu.menu_), text.c_str())) {
        return false;
    }
    submenu.Detach();
    return true;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, HWND owner) const {
    return ::TrackPopupMenu(menu_, flags, x, y, 0, owner, nullptr);
}

} // namespace corvalith
