#pragma once

#include "platform/IDeviceNotifications.h"

namespace corvalith {

// Device-interface notifications of the HID class (GUID_DEVINTERFACE_HID) for one window.
class Win32DeviceNotifications : public IDeviceNotifications {
public:
    ~Win32DeviceNotifications() override;
    bool Register(void* window) override;
    void Unregister() override;

private:
    void* registration_ = nullptr;
};

} // namespace corvalith
