#include "framework/CButton.h"

namespace corvalith {

bool CButton::Create(const std::wstring& caption, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, L"BUTTON", caption, style, rect, parent, id);
}

} // namespace corvalith
