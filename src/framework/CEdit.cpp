#include "framework/CEdit.h"

namespace corvalith {

bool CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, L"EDIT", L"", style, rect, parent, id);
}

} // namespace corvalith
