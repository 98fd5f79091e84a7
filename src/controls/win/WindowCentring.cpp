#include "controls/win/WindowCentring.h"

namespace corvalith {

POINT WindowCentring::CentredOrigin(const RECT& area, SIZE size) {
    const LONG spareX = (area.right - area.left) - size.cx;
    const LONG spareY = (area.bottom - area.top) - size.cy;
    return POINT{area.left + (spareX > 0 ? spareX / 2 : 0), area.top + (spareY > 0 ? spareY / 2 : 0)};
}

void WindowCentring::CentreOnScreen(HWND window) {
    if (window == nullptr) {
        return;
    }
    RECT rect{};
    ::GetWindowRect(window, &rect);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
        return;
    }
    const POINT origin = CentredOrigin(monitor.rcWork, SIZE{rect.right - rect.left, rect.bottom - rect.top});
    ::SetWindowPos(window, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace corvalith
