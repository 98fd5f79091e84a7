#include "app/win/CTrayIcon.h"

#include "app/win/ProgramIcon.h"

namespace corvalith {

void CTrayIcon::Add(const std::wstring& tip) {
    CancelRemoval();
    if (shown_) {
        return; // still there from before the mouse left
    }
    data_ = {};
    data_.cbSize = sizeof data_;
    data_.hWnd = window_;
    data_.uID = kIconId;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = kCallbackMessage;
    data_.hIcon = ProgramIcon::Small();
    lstrcpynW(data_.szTip, tip.c_str(), ARRAYSIZE(data_.szTip));
    Shell_NotifyIconW(NIM_ADD, &data_);
    shown_ = true;
}

void CTrayIcon::SetTip(const std::wstring& tip) {
    lstrcpynW(data_.szTip, tip.c_str(), ARRAYSIZE(data_.szTip));
    if (!shown_) {
        return;
    }
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = kIconId;
    data.uFlags = NIF_TIP;
    lstrcpynW(data.szTip, data_.szTip, ARRAYSIZE(data.szTip));
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

void CTrayIcon::Remove() {
    CancelRemoval();
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = kIconId;
    Shell_NotifyIconW(NIM_DELETE, &data);
    shown_ = false;
}

void CTrayIcon::RemoveAfterBalloon() {
    removalPending_ = true;
    SetTimer(window_, kRemovalTimer, kRemovalDelayMs, nullptr);
}

void CTrayIcon::CancelRemoval() {
    if (removalPending_) {
        removalPending_ = false;
        KillTimer(window_, kRemovalTimer);
    }
}

void CTrayIcon::ShowBalloon(const std::wstring& title, const std::wstring& text, UINT timeoutMs) {
    balloonTitle_ = title;
    balloonText_ = text;
    balloonHadIcon_ = shown_;
    NOTIFYICONDATAW data = data_;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
    data.dwInfoFlags = NIIF_INFO;
    data.uTimeout = timeoutMs;
    lstrcpynW(data.szInfoTitle, balloonTitle_.c_str(), ARRAYSIZE(data.szInfoTitle));
    lstrcpynW(data.szInfo, balloonText_.c_str(), ARRAYSIZE(data.szInfo));
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

bool CTrayIcon::OnNotification(LPARAM mouseMessage) {
    switch (mouseMessage) {
    case NIN_BALLOONTIMEOUT:
    case NIN_BALLOONHIDE:
    case NIN_BALLOONUSERCLICK:
        if (removalPending_) {
            Remove();
        }
        return true;
    default:
        return false;
    }
}

bool CTrayIcon::OnTimer(UINT_PTR id) {
    if (id != kRemovalTimer) {
        return false;
    }
    Remove();
    return true;
}

} // namespace corvalith
