#include "controls/win/CExMenu.h"

#include "framework/TextDrawing.h"
#include "framework/Win32Rect.h"
#include "framework/WorldScale.h"
#include "platform/win/WideString.h"

#include <algorithm>
#include <string>

namespace corvalith {

namespace {

// Item ids with a fixed height: 0 is a separator, 1 an item that takes no room.
constexpr UINT kSeparatorId = 0;
constexpr UINT kHiddenId = 1;

} // namespace

CExMenu::CExMenu(HFONT font) : font_(font) {}

CExMenu::~CExMenu() = default;

bool CExMenu::Insert(UINT type, UINT id, HMENU submenu) {
    if (Handle() == nullptr) {
        return false;
    }
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | (submenu != nullptr ? MIIM_SUBMENU : 0u);
    info.fType = MFT_OWNERDRAW | type;
    info.wID = id;
    info.hSubMenu = submenu;
    // Every item leads the owner-draw callbacks back to this menu.
    info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
    const int position = GetMenuItemCount();
    return ::InsertMenuItemW(Handle(), static_cast<UINT>(position < 0 ? 0 : position), TRUE, &info) != FALSE;
}

bool CExMenu::AppendItem(UINT id, std::string_view text) {
    const bool separator = id == kSeparatorRequest;
    const UINT menuId = separator ? kSeparatorId : id;
    if (!Insert(separator ? MFT_SEPARATOR : 0u, menuId, nullptr)) {
        return false;
    }
    items_.Append(menuId, std::string(text));
    return true;
}

bool CExMenu::AppendItem(UINT id, std::string_view text, bool marked) {
    if (!AppendItem(id, text)) {
        return false;
    }
    if (marked) {
        items_.MarkLast();
    }
    return true;
}

bool CExMenu::AppendSubmenu(std::string_view text, CExMenu& submenu) {
    const HMENU handle = submenu.Handle();
    if (handle == nullptr || handle == Handle()) {
        return false;
    }
    // The menu reports an item that opens a submenu with the submenu's handle as its id, cut to the
    // 32 bits of the id field; the entry is recorded the way it will be looked up.
    const auto reportedId = static_cast<UINT>(reinterpret_cast<UINT_PTR>(handle));
    if (!Insert(0, reportedId, handle)) {
        return false;
    }
    submenu.Detach();
    items_.Append(reportedId, std::string(text));
    return true;
}

void CExMenu::MeasureItem(MEASUREITEMSTRUCT* item, const DisplayScale& scale) {
    if (item == nullptr) {
        return;
    }
    int height = kItemHeight + 2;
    if (item->itemID == kSeparatorId) {
        height = kSeparatorHeight;
    } else if (item->itemID == kHiddenId) {
        height = 0;
    }
    item->itemHeight = static_cast<UINT>(scale.ToDevice(height));
    // The system adds the room of a check mark to every owner-drawn item's width.
    const int added = ::GetSystemMetrics(SM_CXMENUCHECK) - 1;
    const int needed = NeededWidth(item->itemID);
    const int width =
        std::max(scale.ToDevice(std::max(itemWidth_, 0)), needed > 0 ? scale.ToDevice(needed) - added : 0);
    item->itemWidth = static_cast<UINT>(width);
    totalHeight_ += height;
}

int CExMenu::NeededWidth(UINT id) const {
    const std::wstring text = WideString::FromUtf8(items_.TextOf(id));
    // A path keeps the menu's width and is shortened in its middle.
    if (font_ == nullptr || text.empty() || text.find(L'\\') != std::wstring::npos) {
        return 0;
    }
    const HDC dc = ::GetDC(nullptr);
    const HGDIOBJ previous = ::SelectObject(dc, font_);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc, previous);
    ::ReleaseDC(nullptr, dc);
    const CMenuItemList::Entry* entry = items_.Find(id);
    const bool marked = entry != nullptr && entry->marked;
    return static_cast<int>(size.cx) + kTextIndent + (marked ? kMarkWidth : 0);
}

void CExMenu::DrawItem(const DRAWITEMSTRUCT* item, const DisplayScale& scale) {
    if (item == nullptr || item->hDC == nullptr) {
        return;
    }
    const HDC dc = item->hDC;
    {
        const WorldScale scaled(dc, scale);
        DrawItemAt(item, ToRect(scale.ToLogical(FromRect(item->rcItem))));
    }
    // The system draws nothing more over the item (no check mark, no submenu arrow).
    const RECT& r = item->rcItem;
    ::ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
}

void CExMenu::DrawItemAt(const DRAWITEMSTRUCT* item, const RECT& r) const {
    const HDC dc = item->hDC;
    if (item->itemID == kSeparatorId) {
        const HBRUSH background = ::CreateSolidBrush(kNormalBackground);
        ::FillRect(dc, &r, background);
        ::DeleteObject(background);
        const HPEN pen = ::CreatePen(PS_SOLID, 1, kSeparatorColour);
        const HGDIOBJ previousPen = ::SelectObject(dc, pen);
        const int middle = (r.top + r.bottom) / 2;
        ::MoveToEx(dc, r.left, middle, nullptr);
        ::LineTo(dc, r.right, middle);
        ::SelectObject(dc, previousPen);
        ::DeleteObject(pen);
    } else {
        const bool selected = (item->itemState & ODS_SELECTED) != 0;
        const HBRUSH background = ::CreateSolidBrush(selected ? kSelectedBackground : kNormalBackground);
        ::FillRect(dc, &r, background);
        ::DeleteObject(background);

        const COLORREF previousColour = ::SetTextColor(dc, selected ? kSelectedText : kNormalText);
        const int previousMode = ::SetBkMode(dc, TRANSPARENT);
        const HGDIOBJ previousFont = font_ != nullptr ? ::SelectObject(dc, font_) : nullptr;
        const std::wstring text = WideString::FromUtf8(items_.TextOf(item->itemID));
        const CMenuItemList::Entry* entry = items_.Find(item->itemID);
        const bool marked = entry != nullptr && entry->marked;
        RECT area{r.left + kTextIndent, r.top, r.right - (marked ? kMarkWidth : 0), r.bottom};
        // A path too long for the item keeps its start and its file name.
        const UINT path = text.find(L'\\') != std::wstring::npos ? DT_PATH_ELLIPSIS : 0u;
        TextDrawing::Draw(dc, text, area, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | path);
        if (marked) {
            // A check mark in the text's colour at the right end.
            const HPEN pen = ::CreatePen(PS_SOLID, 2, selected ? kSelectedText : kNormalText);
            const HGDIOBJ previousPen = ::SelectObject(dc, pen);
            const int middle = (r.top + r.bottom) / 2;
            const POINT check[] = {
                {r.right - 15, middle}, {r.right - 11, middle + 4}, {r.right - 4, middle - 4}};
            ::Polyline(dc, check, 3);
            ::SelectObject(dc, previousPen);
            ::DeleteObject(pen);
        }
        if (previousFont != nullptr) {
            ::SelectObject(dc, previousFont);
        }
        ::SetBkMode(dc, previousMode);
        ::SetTextColor(dc, previousColour);
    }
}

bool CExMenu::HandleMeasureItem(MEASUREITEMSTRUCT* item, const DisplayScale& scale) {
    if (item == nullptr || item->CtlType != ODT_MENU || item->itemData == 0) {
        return false;
    }
    reinterpret_cast<CExMenu*>(item->itemData)->MeasureItem(item, scale);
    return true;
}

bool CExMenu::HandleDrawItem(const DRAWITEMSTRUCT* item, const DisplayScale& scale) {
    if (item == nullptr || item->CtlType != ODT_MENU || item->itemData == 0) {
        return false;
    }
    reinterpret_cast<CExMenu*>(item->itemData)->DrawItem(item, scale);
    return true;
}

bool CExMenu::Track(int x, int y, HWND owner) const {
    return TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, owner) != FALSE;
}

UINT CExMenu::TrackForCommand(int x, int y, HWND owner) const {
    return static_cast<UINT>(TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, owner));
}

} // namespace corvalith
