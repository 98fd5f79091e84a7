#pragma once

#include "framework/CWnd.h"
#include "skin/win/CPaintedButton.h"

#include <windows.h>

namespace corvalith::test {

// A click on an image button its window draws, as the system delivers it: the pointer comes onto the
// button, and the left button is pressed and released at its centre.
inline void ClickButton(CWnd& window, const CPaintedButton& button) {
    const RECT r = window.ToDevice(button.Rect()); // the button's place in the monitor's pixels
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    window.SendMessage(WM_MOUSEMOVE, 0, at);
    window.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    window.SendMessage(WM_LBUTTONUP, 0, at);
}

} // namespace corvalith::test
