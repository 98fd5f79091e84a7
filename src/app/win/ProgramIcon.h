#pragma once

#include <windows.h>

namespace corvalith {

// The program's icon at the sizes the system shows it: the icon file holds frames from 16 to 128
// pixels, and each place takes the frame made for its size rather than a larger one shrunk (the tray
// and a window's title want the small icon, 16 pixels at 100 % and 32 at 200 %).
class ProgramIcon {
public:
    static constexpr UINT kResourceId = 128;

    // The icons are shared with the system (standard sizes), so nobody destroys them. The system's
    // application icon where the program's cannot be loaded.
    static HICON Small();
    static HICON Large();

private:
    static HICON Load(int systemMetricWidth, int systemMetricHeight);
};

} // namespace corvalith
