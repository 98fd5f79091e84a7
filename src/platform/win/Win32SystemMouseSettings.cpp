#include "platform/win/Win32SystemMouseSettings.h"

#include <windows.h>

namespace corvalith {

bool Win32SystemMouseSettings::SetMouse(int threshold1, int threshold2, int acceleration) {
    int values[3] = {threshold1, threshold2, acceleration};
    return SystemParametersInfoW(SPI_SETMOUSE, 0, values, SPIF_SENDCHANGE) != FALSE;
}

bool Win32SystemMouseSettings::SetMouseSpeed(int speed) {
    return SystemParametersInfoW(SPI_SETMOUSESPEED, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(speed)),
                                 SPIF_SENDCHANGE) != FALSE;
}

bool Win32SystemMouseSettings::SetWheelScrollLines(std::uint32_t lines) {
    return SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, SPIF_SENDCHANGE) != FALSE;
}

bool Win32SystemMouseSettings::SetDoubleClickTime(int milliseconds) {
    return SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, static_cast<UINT>(milliseconds), nullptr,
                                 SPIF_UPDATEINIFILE | SPIF_SENDCHANGE) != FALSE;
}

} // namespace corvalith
