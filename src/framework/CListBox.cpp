#include "framework/CListBox.h"

namespace corvalith {

bool CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, L"LISTBOX", L"", style, rect, parent, id);
}

int CListBox::AddString(const std::wstring& text) {
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int CListBox::InsertString(int index, const std::wstring& text) {
    return static_cast<int>(
        SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str())));
}

std::wstring CListBox::GetText(int index) const {
    const LRESULT length = ::SendMessageW(hwnd_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR || length < 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        ::SendMessageW(hwnd_, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

int CListBox::ItemFromPoint(POINT point) const {
    const LRESULT answer = ::SendMessageW(hwnd_, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    if (HIWORD(answer) != 0) {
        return -1; // outside the client area or below the last item
    }
    return LOWORD(answer);
}

} // namespace corvalith
