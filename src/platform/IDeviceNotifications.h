#pragma once

namespace corvalith {

// The system's notifications of HID interfaces arriving and leaving, delivered to a window as device-change
// broadcasts (RegisterDeviceNotificationW on Windows).
class IDeviceNotifications {
public:
    virtual ~IDeviceNotifications() = default;
    // window: the native handle of the window that receives the broadcasts. False when the system refused.
    virtual bool Register(void* window) = 0;
    virtual void Unregister() = 0;
};

} // namespace corvalith
