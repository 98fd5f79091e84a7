#include "app/win/UploadProgressView.h"

#include "framework/CWnd.h"

#include "app/MainWindowLayout.h"
#include "app/UploadStatusWords.h"
#include "app/win/CTrayIcon.h"
#include "app/win/MainWindowMessages.h"
#include "framework/Win32Rect.h"
#include "lang/LanguageTable.h"
#include "platform/win/WideString.h"

namespace corvalith {

void UploadProgressView::OnUploadStatus(const UploadStatus& status) {
    const UploadStatusWords::Words words = UploadStatusWords::Pack(status);
    if (window_ != nullptr) {
        ::PostMessageW(window_, kUploadStatus, words.First, static_cast<LPARAM>(words.Second));
    }
}

void UploadProgressView::OnMessage(WPARAM first, LPARAM second) {
    const std::optional<UploadStatus> status =
        UploadStatusWords::Unpack(first, static_cast<std::uint64_t>(second));
    if (status) {
        Apply(display_.OnStatus(*status, static_cast<std::int64_t>(GetTickCount64())));
    }
}

bool UploadProgressView::OnTimer(UINT_PTR id) {
    if (id != kShowTimer) {
        return false;
    }
    ::KillTimer(window_, kShowTimer); // one shot
    Apply(display_.OnTimer(static_cast<std::int64_t>(GetTickCount64())));
    return true;
}

void UploadProgressView::Reset() {
    Apply(display_.OnStatus(UploadStatus{}, static_cast<std::int64_t>(GetTickCount64())));
}

void UploadProgressView::Apply(const UploadProgressDisplay::Steps& steps) {
    if (window_ == nullptr) {
        return;
    }
    if (steps.StopTimer) {
        ::KillTimer(window_, kShowTimer);
    }
    if (steps.TimerMs > 0) {
        ::SetTimer(window_, kShowTimer, static_cast<UINT>(steps.TimerMs), nullptr);
    }
    if (steps.RepaintBar) {
        if (CWnd* window = CWnd::FromHandle(window_); window != nullptr) {
            window->InvalidateRect(ToRect(MainWindowLayout::kUploadBar), false);
        }
    }
    if (steps.TipChanged) {
        tray_.SetTip(WideString::FromUtf8(
            texts_.Text(display_.Writing() ? TextEntry::WritingToMouse : TextEntry::ProductTitle)));
    }
}

} // namespace corvalith
