#pragma once

#include "app/win/CTrayIcon.h"

#include <windows.h>

namespace corvalith {

// The main window's own messages, sent or posted by its parts, its pages and other programs.
enum MainWindowMessage : UINT {
    kTrayNotification = CTrayIcon::kCallbackMessage,
    kDeviceEvent = 0x07F2,
    kClearSelection = 0x07F4,
    kSettingsChanged = 0x07FF,
    kShowRequest = 0x0313,
    kProfileOperation = 0x0B03,
    kDecodeAhead = WM_APP + 0x60,  // decodes the next skin image while the window waits in the tray
    kRefreshPages = WM_APP + 0x61, // the settings pages take the profile a show has reloaded
    kUploadStatus = WM_APP + 0x62, // the device worker's progress, packed by UploadStatusWords
};

} // namespace corvalith
