#include "framework/CScrollBar.h"

namespace corvalith {

bool CScrollBar::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, L"SCROLLBAR", L"", style, rect, parent, id);
}

bool CScrollBar::SetScrollInfo(const SCROLLINFO& info, bool redraw) {
    SCROLLINFO copy = info;
    copy.cbSize = sizeof copy;
    SendMessage(SBM_SETSCROLLINFO, redraw ? TRUE : FALSE, reinterpret_cast<LPARAM>(&copy));
    return true;
}

bool CScrollBar::GetScrollInfo(SCROLLINFO* info, UINT mask) const {
    info->cbSize = sizeof *info;
    info->fMask = mask;
    return ::SendMessageW(hwnd_, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)) != FALSE;
}

int CScrollBar::GetScrollPos() const {
    SCROLLINFO info{};
    return GetScrollInfo(&info, SIF_POS) ? info.nPos : 0;
}

int CScrollBar::SetScrollPos(int position, bool redraw) {
    const int previous = GetScrollPos();
    SCROLLINFO info{};
    info.fMask = SIF_POS;
    info.nPos = position;
    SetScrollInfo(info, redraw);
    return previous;
}

void CScrollBar::SetScrollRange(int minimum, int maximum, bool redraw) {
    SCROLLINFO info{};
    info.fMask = SIF_RANGE;
    info.nMin = minimum;
    info.nMax = maximum;
    SetScrollInfo(info, redraw);
}

} // namespace corvalith
