#include "platform/win32/Win32DeviceNotifications.h"

#include <windows.h>

#include <dbt.h>

namespace corvalith {

namespace {

const GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

} // namespace

Win32DeviceNotifications::~Win32DeviceNotifications() {
    Unregister();
}

bool Win32DeviceNotifications::Register(void* window) {
    Unregister();
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kHidInterfaceClass;
    registration_ =
        RegisterDeviceNotificationW(static_cast<HWND>(window), &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    return registration_ != nullptr;
}

void Win32DeviceNotifications::Unregister() {
    if (registration_ != nullptr) {
        UnregisterDeviceNotification(static_cast<HDEVNOTIFY>(registration_));
        registration_ = nullptr;
    }
}

} // namespace corvalith
