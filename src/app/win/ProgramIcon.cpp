#include "app/win/ProgramIcon.h"

namespace corvalith {

HICON ProgramIcon::Small() {
    return Load(SM_CXSMICON, SM_CYSMICON);
}

HICON ProgramIcon::Large() {
    return Load(SM_CXICON, SM_CYICON);
}

HICON ProgramIcon::Load(int systemMetricWidth, int systemMetricHeight) {
    // The system metrics follow the scale of the primary monitor, where the taskbar shows the icons.
    const auto icon = static_cast<HICON>(::LoadImageW(
        ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kResourceId), IMAGE_ICON,
        ::GetSystemMetrics(systemMetricWidth), ::GetSystemMetrics(systemMetricHeight), LR_SHARED));
    return icon != nullptr ? icon : ::LoadIconW(nullptr, IDI_APPLICATION);
}

} // namespace corvalith
