#include "skin/win/CScrollClipWnd.h"

namespace corvalith {

bool CScrollClipWnd::IsParentNotification(UINT message) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR:
        return true;
    default:
        return false;
    }
}

LRESULT CScrollClipWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (forwardTo_ != nullptr && IsParentNotification(message)) {
        return ::SendMessageW(forwardTo_, message, wParam, lParam);
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

} // namespace corvalith
