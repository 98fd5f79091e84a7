#include "app/win/ForegroundSwitcher.h"

#include "platform/win/WideString.h"

namespace corvalith {

ForegroundSwitcher* ForegroundSwitcher::installed_ = nullptr;

ForegroundSwitcher::~ForegroundSwitcher() {
    Stop();
}

bool ForegroundSwitcher::Start(HWND window, Hooks hooks) {
    Stop();
    window_ = window;
    hooks_ = std::move(hooks);
    hook_ = ::SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, &OnEvent, 0, 0,
                              WINEVENT_OUTOFCONTEXT);
    if (hook_ == nullptr) {
        return false;
    }
    installed_ = this;
    return true;
}

void ForegroundSwitcher::Stop() {
    if (hook_ != nullptr) {
        ::UnhookWinEvent(hook_);
        hook_ = nullptr;
    }
    if (installed_ == this) {
        installed_ = nullptr;
    }
    if (window_ != nullptr) {
        ::KillTimer(window_, kSettleTimer);
    }
}

void CALLBACK ForegroundSwitcher::OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD,
                                          DWORD) {
    if (installed_ != nullptr && event == EVENT_SYSTEM_FOREGROUND && object == OBJID_WINDOW) {
        installed_->OnForeground(window);
    }
}

std::string ForegroundSwitcher::ProgramOf(HWND window, bool& ours) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    ours = process == ::GetCurrentProcessId();
    const HANDLE handle = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
    if (handle == nullptr) {
        return {};
    }
    wchar_t path[MAX_PATH * 4] = {};
    DWORD length = static_cast<DWORD>(std::size(path));
    const bool named = ::QueryFullProcessImageNameW(handle, 0, path, &length) != 0;
    ::CloseHandle(handle);
    return named ? WideString::ToUtf8(std::wstring(path, length)) : std::string();
}

void ForegroundSwitcher::OnForeground(HWND foreground) {
    if (window_ == nullptr || foreground == nullptr) {
        return;
    }
    bool ours = false;
    std::string program = ProgramOf(foreground, ours);
    const UINT delay = follower_.OnForeground(std::move(program), ours, ::GetTickCount());
    ::SetTimer(window_, kSettleTimer, delay, nullptr);
}

bool ForegroundSwitcher::OnTimer(UINT_PTR id) {
    if (id != kSettleTimer) {
        return false;
    }
    ::KillTimer(window_, kSettleTimer);
    const ForegroundFollower::Decision decision =
        follower_.OnTimer(::GetTickCount(), hooks_.Rules(), hooks_.DialogOpen(), hooks_.ActiveProfile());
    if (decision.AskAgain) {
        ::SetTimer(window_, kSettleTimer, *decision.AskAgain, nullptr);
    } else if (decision.SwitchTo) {
        hooks_.Switch(*decision.SwitchTo);
    }
    return true;
}

} // namespace corvalith
