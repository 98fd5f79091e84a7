#pragma once

#include "controls/CMenuItemList.h"
#include "framework/CMenu.h"

#include "platform/DisplayScale.h"

#include <windows.h>

#include <string_view>

namespace corvalith {

// The program's popup menu, owner-drawn in the dark red skin: every item is 20 pixels high and as wide
// as the menu's item width, drawn in the given font with white text on RGB(111, 41, 41), or on
// RGB(143, 32, 32) while it is selected. The popup window's own frame is drawn by CMenuWndHook.
//
// The system asks the menu's owner window to measure and draw the items (WM_MEASUREITEM and
// WM_DRAWITEM with CtlType ODT_MENU); the owner passes those to HandleMeasureItem and HandleDrawItem,
// which find the menu through the item data every item of a CExMenu carries.
//
//     CExMenu menu(mainFont);
//     menu.CreatePopupMenu();
//     menu.SetItemWidth(100);
//     menu.AppendItem(1001, address);
//     menu.Track(x, y, ownerWindow);       // the choice arrives as WM_COMMAND
class CExMenu : public CMenu {
public:
    static constexpr int kItemHeight = 18;
    static constexpr int kSeparatorHeight = 5;
    static constexpr COLORREF kNormalBackground = RGB(111, 41, 41);
    static constexpr COLORREF kSelectedBackground = RGB(143, 32, 32);
    static constexpr COLORREF kSeparatorColour = RGB(111, 41, 41);
    static constexpr COLORREF kNormalText = RGB(255, 255, 255);
    static constexpr COLORREF kSelectedText = RGB(255, 255, 255);
    // The id that appends a separator instead of a command.
    static constexpr UINT kSeparatorRequest = 2048;
    // Text starts this far right of the item's left edge.
    static constexpr int kTextIndent = 2;
    // The room a check mark takes at the right end of a marked item.
    static constexpr int kMarkWidth = 18;

    // font: not owned; it must outlive the menu's use (the owner window's main font).
    explicit CExMenu(HFONT font = nullptr);
    ~CExMenu();

    // The items' width; an item whose text needs more is made wider, and the menu with it.
    void SetItemWidth(int width) { itemWidth_ = width; }
    int ItemWidth() const { return itemWidth_; }
    HFONT Font() const { return font_; }
    void SetFont(HFONT font) { font_ = font; }
    // Sum of every height measured so far.
    int TotalHeight() const { return totalHeight_; }
    const CMenuItemList& Items() const { return items_; }

    // Appends an owner-drawn command item (id 2048 appends an owner-drawn separator instead) and
    // records its text (UTF-8). Create the menu first.
    bool AppendItem(UINT id, std::string_view text);
    // The same, with a check mark at the item's right end when marked (an option that is on).
    bool AppendItem(UINT id, std::string_view text, bool marked);
    // Appends an owner-drawn item that opens submenu; fill the submenu first. The submenu's handle now
    // belongs to this menu (it is destroyed with it); the submenu object keeps its items and must live
    // as long as this menu is shown, since it draws them.
    bool AppendSubmenu(std::string_view text, CExMenu& submenu);

    // The owner-draw callbacks of this menu's items, at the owner window's scale: the menu is laid out
    // in logical pixels and measured and drawn in the monitor's.
    void MeasureItem(MEASUREITEMSTRUCT* item, const DisplayScale& scale = {});
    void DrawItem(const DRAWITEMSTRUCT* item, const DisplayScale& scale = {});

    // For the owner window: measures or draws the item when it belongs to a CExMenu; false (nothing
    // done) for anything else.
    static bool HandleMeasureItem(MEASUREITEMSTRUCT* item, const DisplayScale& scale = {});
    static bool HandleDrawItem(const DRAWITEMSTRUCT* item, const DisplayScale& scale = {});

    // Shows the menu at a screen point, tracking the right button as well as the left, with owner as
    // the owner; the chosen command arrives at the owner as WM_COMMAND. False when it could not be shown.
    bool Track(int x, int y, HWND owner) const;
    // As Track, but the chosen command id is returned (0 when the menu was dismissed) and not sent.
    UINT TrackForCommand(int x, int y, HWND owner) const;

private:
    bool Insert(UINT type, UINT id, HMENU submenu);
    // Draws the item in the logical rectangle r.
    void DrawItemAt(const DRAWITEMSTRUCT* item, const RECT& r) const;
    // The logical width an item's text needs in the menu's font, with its indent and check mark; 0 for
    // an item without text or with a path.
    int NeededWidth(UINT id) const;

    HFONT font_;
    int itemWidth_ = 0;
    int totalHeight_ = 0;
    CMenuItemList items_;
};

} // namespace corvalith
