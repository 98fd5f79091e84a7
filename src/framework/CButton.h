#pragma once

#include "framework/CWnd.h"

namespace corvalith {

// A push button, check box or radio button control.
class CButton : public CWnd {
public:
    bool Create(const std::wstring& caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetCheck() const { return static_cast<int>(::SendMessageW(hwnd_, BM_GETCHECK, 0, 0)); }
    void SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
    UINT GetState() const { return static_cast<UINT>(::SendMessageW(hwnd_, BM_GETSTATE, 0, 0)); }
    void SetState(bool highlight) { SendMessage(BM_SETSTATE, highlight ? TRUE : FALSE); }
    void SetButtonStyle(UINT style, bool redraw = true) {
        SendMessage(BM_SETSTYLE, style, redraw ? TRUE : FALSE);
    }
};

} // namespace corvalith
