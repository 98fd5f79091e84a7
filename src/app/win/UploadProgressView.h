#pragma once

#include "app/UploadProgressDisplay.h"
#include "device/UploadStatus.h"

#include <windows.h>

namespace corvalith {

class CTrayIcon;
class LanguageTable;

// The main window's side of the upload progress. On the device worker's thread it posts each status to
// the window; on the window's thread it feeds them to the display, repaints only the bar's rectangle,
// runs the one-shot timer that shows the bar after a long upload's first 300 ms (no timer runs while
// nothing is written) and switches the notification-area icon's tool-tip between the product's title and
// "writing to the mouse".
class UploadProgressView : public IUploadProgress {
public:
    enum Timer : UINT_PTR { kShowTimer = 0x7002 };

    // tray and texts must outlive the view.
    UploadProgressView(CTrayIcon& tray, const LanguageTable& texts) : tray_(tray), texts_(texts) {}

    // The window the statuses are posted to; null posts nothing.
    void Attach(HWND window) { window_ = window; }

    // The device worker's thread.
    void OnUploadStatus(const UploadStatus& status) override;

    // The window's thread: the posted status and the window's timer (true when it was the view's).
    void OnMessage(WPARAM first, LPARAM second);
    bool OnTimer(UINT_PTR id);
    // Drops what is shown and stops the timer (the window is going).
    void Reset();

    const UploadProgressDisplay& Display() const { return display_; }

private:
    void Apply(const UploadProgressDisplay::Steps& steps);

    CTrayIcon& tray_;
    const LanguageTable& texts_;
    HWND window_ = nullptr;
    UploadProgressDisplay display_;
};

} // namespace corvalith
