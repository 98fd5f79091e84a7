#include "platform/win/Win32DeviceNotifications.h"

#include <windows.h>

#include <dbt.h>

namespace corvalith {

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
