#pragma once

#include "framework/CWnd.h"

#include <windows.h>

namespace corvalith {

// WM_PAINT's device context, drawn on in the window's logical pixels: BeginPaint when made, the world
// transform set to the window's scale (none at 100 %), and put back before EndPaint at the end.
class CPaintDC {
public:
    explicit CPaintDC(const CWnd& window);
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    ~CPaintDC();

    HDC Dc() const { return paint_.hdc; }
    operator HDC() const { return paint_.hdc; }
    const PAINTSTRUCT& Paint() const { return paint_; }
    // The update rectangle in logical pixels, covering every device pixel to paint.
    RECT Update() const;

private:
    const CWnd& window_;
    PAINTSTRUCT paint_{};
};

} // namespace corvalith
