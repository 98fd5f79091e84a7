#include "sim/win/SimulatedDeviceNotifications.h"

#include "platform/win/WideString.h"
#include "platform/win/Win32DeviceNotifications.h"

#include <dbt.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace corvalith {

SimulatedDeviceNotifications::~SimulatedDeviceNotifications() {
    Unregister();
}

bool SimulatedDeviceNotifications::Register(void* window) {
    Unregister();
    if (Hwnd() == nullptr && !CreateEx(0, nullptr, L"", 0, RECT{}, HWND_MESSAGE, 0)) {
        return false;
    }
    std::lock_guard lock(mutex_);
    target_ = static_cast<HWND>(window);
    messenger_ = Hwnd();
    return true;
}

void SimulatedDeviceNotifications::Unregister() {
    {
        std::lock_guard lock(mutex_);
        target_ = nullptr;
        messenger_ = nullptr;
    }
    if (Hwnd() != nullptr) {
        DestroyWindow();
    }
}

void SimulatedDeviceNotifications::Announce(DeviceChangeEvent event, const std::string& path) {
    std::lock_guard lock(mutex_);
    changes_.emplace_back(event, path);
    if (messenger_ != nullptr) {
        ::PostMessageW(messenger_, kDeliver, 0, 0);
    }
}

LRESULT SimulatedDeviceNotifications::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kDeliver) {
        Deliver();
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void SimulatedDeviceNotifications::Deliver() {
    for (;;) {
        std::pair<DeviceChangeEvent, std::string> change;
        HWND target = nullptr;
        {
            std::lock_guard lock(mutex_);
            if (changes_.empty() || target_ == nullptr) {
                return;
            }
            change = std::move(changes_.front());
            changes_.pop_front();
            target = target_;
        }
        // The broadcast block the device stack sends for an interface: header, class and the path. A
        // broadcast carries a pointer, so it can only be sent, not posted.
        const std::wstring name = WideString::FromUtf8(change.second);
        std::vector<std::uint8_t> bytes(sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) +
                                        name.size() * sizeof(wchar_t));
        auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(bytes.data());
        broadcast->dbcc_size = static_cast<DWORD>(bytes.size());
        broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        broadcast->dbcc_classguid = Win32DeviceNotifications::kHidInterfaceClass;
        std::copy(name.begin(), name.end(), broadcast->dbcc_name);
        ::SendMessageW(target, WM_DEVICECHANGE, static_cast<WPARAM>(change.first),
                       reinterpret_cast<LPARAM>(bytes.data()));
    }
}

} // namespace corvalith
