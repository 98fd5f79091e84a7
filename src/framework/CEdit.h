#pragma once

#include "framework/CWnd.h"

namespace corvalith {

// A single-line (or multi-line) edit control.
class CEdit : public CWnd {
public:
    bool Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void SetLimitText(UINT characters) { SendMessage(EM_LIMITTEXT, characters); }
    void SetSel(int start, int end) { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
    void ReplaceSel(const std::wstring& text) {
        SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    }
    bool GetModify() const { return ::SendMessageW(hwnd_, EM_GETMODIFY, 0, 0) != 0; }
    void SetReadOnly(bool readOnly) { SendMessage(EM_SETREADONLY, readOnly ? TRUE : FALSE); }
};

} // namespace corvalith
