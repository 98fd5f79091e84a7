#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

namespace corvalith {

// The main window's notification-area icon and its balloons. The icon leaving after a balloon waits
// until the balloon has gone (the shell says so, or a timer of the window runs out), since a balloon
// shows only on its icon.
class CTrayIcon {
public:
    static constexpr UINT kIconId = 128;
    static constexpr UINT kCallbackMessage = 0x07F1; // the tray notification
    // The window's timer that removes the icon when the shell does not say that the balloon has gone.
    static constexpr UINT_PTR kRemovalTimer = 0x7001;
    static constexpr UINT kRemovalDelayMs = 6000;

    // window: the main window, which receives the tray notifications and the removal timer.
    void Attach(HWND window) { window_ = window; }

    void Add(const std::wstring& tip);
    void Remove();
    // Changes the tool-tip of the shown icon (Add gives it one of its own).
    void SetTip(const std::wstring& tip);
    // Removes the icon once the balloon on it has been seen.
    void RemoveAfterBalloon();
    void ShowBalloon(const std::wstring& title, const std::wstring& text, UINT timeoutMs);

    // A tray notification's mouse message (lParam) or the window's timer: true when it was the end of a
    // balloon and the icon's business.
    bool OnNotification(LPARAM mouseMessage);
    bool OnTimer(UINT_PTR id);

    bool Shown() const { return shown_; }
    HICON Icon() const { return data_.hIcon; }
    std::wstring Tip() const { return data_.szTip; }
    const std::wstring& LastBalloonTitle() const { return balloonTitle_; }
    const std::wstring& LastBalloonText() const { return balloonText_; }
    bool LastBalloonHadIcon() const { return balloonHadIcon_; }

private:
    void CancelRemoval();

    HWND window_ = nullptr;
    NOTIFYICONDATAW data_{};
    bool shown_ = false;
    bool removalPending_ = false;
    bool balloonHadIcon_ = false;
    std::wstring balloonTitle_;
    std::wstring balloonText_;
};

} // namespace corvalith
