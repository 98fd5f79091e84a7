#pragma once

#include "framework/CWnd.h"

namespace corvalith {

// A list box control. Indexes are the control's own (LB_ERR, -1, for none).
class CListBox : public CWnd {
public:
    bool Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int AddString(const std::wstring& text);
    int InsertString(int index, const std::wstring& text);
    int DeleteString(int index) {
        return static_cast<int>(SendMessage(LB_DELETESTRING, static_cast<WPARAM>(index)));
    }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(::SendMessageW(hwnd_, LB_GETCOUNT, 0, 0)); }
    int GetCurSel() const { return static_cast<int>(::SendMessageW(hwnd_, LB_GETCURSEL, 0, 0)); }
    int SetCurSel(int index) {
        return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index)));
    }
    int GetTopIndex() const { return static_cast<int>(::SendMessageW(hwnd_, LB_GETTOPINDEX, 0, 0)); }
    int SetTopIndex(int index) {
        return static_cast<int>(SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(index)));
    }
    // The item's text; empty for an index outside the list.
    std::wstring GetText(int index) const;
    int GetItemHeight(int index) const {
        return static_cast<int>(::SendMessageW(hwnd_, LB_GETITEMHEIGHT, static_cast<WPARAM>(index), 0));
    }
    void SetItemHeight(int index, int height) {
        SendMessage(LB_SETITEMHEIGHT, static_cast<WPARAM>(index), MAKELPARAM(height, 0));
    }
    bool GetItemRect(int index, RECT* rect) const {
        return ::SendMessageW(hwnd_, LB_GETITEMRECT, static_cast<WPARAM>(index),
                              reinterpret_cast<LPARAM>(rect)) != LB_ERR;
    }
    // The item at a client point, or -1 when the point is below the last item or outside the list.
    int ItemFromPoint(POINT point) const;
};

} // namespace corvalith
