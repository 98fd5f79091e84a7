#pragma once

#include "platform/IDeviceNotifications.h"

#include <windows.h>

namespace corvalith {

// Device-interface notifications of the HID class (GUID_DEVINTERFACE_HID) for one window.
class Win32DeviceNotifications : public IDeviceNotifications {
public:
    // The HID class of device interfaces, which the device-change broadcasts of the mouse name.
    static constexpr GUID kHidInterfaceClass = {
        0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

    ~Win32DeviceNotifications() override;
    bool Register(void* window) override;
    void Unregister() override;

private:
    void* registration_ = nullptr;
};

} // namespace corvalith
