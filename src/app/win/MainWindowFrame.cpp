#include "app/win/MainWindowFrame.h"

#include "app/MainWindowPlan.h"
#include "framework/CDialog.h"
#include "framework/Win32Rect.h"
#include "skin/win/SkinImages.h"

namespace corvalith {

void MainWindowFrame::Build(const SkinImages& skins) {
    const SIZE background = skins.SizeOf(MainWindowPlan::kBackground);
    placement_ = WindowPlacement(background.cx, background.cy);
    PlaceCentred();
}

void MainWindowFrame::PlaceCentred() {
    if (IsIconic(window_.Hwnd())) {
        ::ShowWindow(window_.Hwnd(), SW_RESTORE);
    }
    // The window is placed when it is built, hidden, and a show moves it only when the screen has changed
    // since: under Wine even a move to the same place costs the show about 2 ms.
    // The screen's pixels: the window's logical size at its scale.
    const DisplayScale& scale = window_.Scale();
    const WindowPlacement onScreen(scale.ToDevice(placement_.Width()), scale.ToDevice(placement_.Height()));
    const Rect place = onScreen.On(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const RECT now = window_.GetWindowRect();
    if (FromRect(now) != place) {
        ::SetWindowPos(window_.Hwnd(), nullptr, place.Left, place.Top, place.Width(), place.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

bool MainWindowFrame::HidesStartFrame() {
    if (startHidden_ <= 0) {
        return false;
    }
    --startHidden_;
    ::ShowWindow(window_.Hwnd(), SW_HIDE);
    return true;
}

void MainWindowFrame::HideToTray() {
    window_.ShowWindow(SW_HIDE);
    window_.ModifyStyleEx(WS_EX_APPWINDOW, WS_EX_TOOLWINDOW);
}

void MainWindowFrame::Show() {
    startHidden_ = 0;
    window_.ModifyStyleEx(WS_EX_TOOLWINDOW, WS_EX_APPWINDOW);
    window_.ShowWindow(SW_SHOW);
    SetForegroundWindow(window_.Hwnd());
    // The window and its controls are painted before the uploads the refreshed pages have posted (the
    // lighting upload alone takes a quarter of a second of the mouse's waits).
    ::RedrawWindow(window_.Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

} // namespace corvalith
