#pragma once

#include <windows.h>

namespace corvalith {

// Puts a top-level window in the middle of the work area of the monitor it is on (the primary one for
// a window not yet on any), keeping its size.
class WindowCentring {
public:
    static void CentreOnScreen(HWND window);
    // The top-left corner that centres a size in an area; an area too small puts it at the area's
    // top-left corner.
    static POINT CentredOrigin(const RECT& area, SIZE size);
};

} // namespace corvalith
