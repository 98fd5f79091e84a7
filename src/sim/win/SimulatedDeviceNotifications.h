#pragma once

#include "framework/CWnd.h"
#include "platform/HidTypes.h"
#include "platform/IDeviceNotifications.h"

#include <deque>
#include <mutex>
#include <string>
#include <utility>

namespace corvalith {

// The virtual mouse's plugs and unplugs, delivered to the registered window as the system delivers a
// real mouse's: a sent WM_DEVICECHANGE with a device-interface broadcast block. A change may be announced
// on any thread; it is queued and a hidden message-only window on the registering thread hands it over
// from its message loop, so a plug or unplug in the middle of an upload is handled after it.
class SimulatedDeviceNotifications : public IDeviceNotifications, private CWnd {
public:
    SimulatedDeviceNotifications() = default;
    ~SimulatedDeviceNotifications() override;

    // IDeviceNotifications
    bool Register(void* window) override;
    void Unregister() override;

    // Thread-safe: one interface came or went. Changes announced while no window is registered wait for
    // the next delivery.
    void Announce(DeviceChangeEvent event, const std::string& path);

private:
    enum Message : UINT { kDeliver = WM_APP + 0x50 };

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Deliver();

    std::mutex mutex_;
    std::deque<std::pair<DeviceChangeEvent, std::string>> changes_;
    HWND target_ = nullptr;    // the registered window
    HWND messenger_ = nullptr; // this object's message-only window, while registered
};

} // namespace corvalith
