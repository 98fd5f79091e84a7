#include "profile/PointerSettingsApplier.h"

namespace corvalith {

void PointerSettingsApplier::ApplyPointerSettings(const ProfileSettings& p) {
    const bool precision = p.EnhancePointerPrecision == 1;
    if (!system_.SetMouse(precision ? 6 : 0, precision ? 10 : 0, precision ? 1 : 0)) {
        debug_.Write("SETMOUSE failed.\n");
    }
    if (!system_.SetMouseSpeed(SpeedOfLevel(p.PointerSpeed))) {
        debug_.Write("SETMOUSESPEED failed.\n");
    }
    if (!system_.SetWheelScrollLines(p.ScrollOneScreen != 0 ? 0xFFFFFFFFu : p.ScrollLines)) {
        debug_.Write("SETWHEELSCROLLLINES failed.\n");
    }
    if (!system_.SetDoubleClickTime(DoubleClickTimeOfLevel(p.DoubleClickSpeed))) {
        debug_.Write("SPI_SETDOUBLECLICKTIME failed.\n");
    }
}

} // namespace corvalith
