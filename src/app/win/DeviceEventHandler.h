#pragma once

#include "app/DeviceStatus.h"

#include <windows.h>

namespace corvalith {

class CTrayIcon;
class CWnd;
class MacroManagerHost;
class ProgramServices;
class SettingsPanelHost;

// The main window's side of the mouse coming, going and changing its DPI stage: the balloon of each
// device event, and what a hot-plug broadcast does to the profile, the window, the macro manager and the
// notification-area icon, as DeviceStatus decides.
class DeviceEventHandler {
public:
    // The parts it acts on; they must outlive the handler.
    struct Parts {
        ProgramServices& Services;
        CTrayIcon& Tray;
        SettingsPanelHost& Panel;
        MacroManagerHost& Macros;
        CWnd& Window;
    };

    explicit DeviceEventHandler(const Parts& parts) : parts_(parts) {}

    // A device event (sent by the reader thread or posted after a hot-plug broadcast): its balloon.
    void OnDeviceEvent(WPARAM code, LPARAM value);
    // A hot-plug broadcast (WM_DEVICECHANGE's event and block).
    void OnDeviceChange(WPARAM event, LPARAM data);
    // The notification-area icon with the product's title as its tip.
    void AddIcon();
    void RemoveIcon();

private:
    Parts parts_;
    DeviceStatus status_;
};

} // namespace corvalith
