#pragma once

#include "framework/CWnd.h"

#include <windows.h>

namespace corvalith {

// The device context a frameless control answers WM_PAINT with when it draws every pixel of its client
// each time, in logical pixels (the DC's world transform is the window's scale). It takes the window's DC and
// validates the whole client instead of calling BeginPaint, which builds a DC clipped to the update region
// and sends the frame and erase messages: several times the cost of a skinned control's whole drawing, paid
// by every control at every repaint of the window.
class CWholePaintDC {
public:
    explicit CWholePaintDC(const CWnd& window);
    CWholePaintDC(const CWholePaintDC&) = delete;
    CWholePaintDC& operator=(const CWholePaintDC&) = delete;
    ~CWholePaintDC();

    HDC Dc() const { return dc_; }
    operator HDC() const { return dc_; }
    // The client rectangle in logical pixels, all of which is to be drawn, and the scale it is drawn at.
    const RECT& Client() const { return client_; }
    const DisplayScale& Scale() const { return scale_; }

private:
    HWND window_;
    HDC dc_ = nullptr;
    RECT client_{};
    DisplayScale scale_;
};

} // namespace corvalith
