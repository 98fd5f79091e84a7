#include "platform/win/Win32KeyboardHook.h"

namespace corvalith {

Win32KeyboardHook* Win32KeyboardHook::owner_ = nullptr;

int Win32KeyboardHook::Install() {
    if (hook_ != nullptr) {
        return 0;
    }
    if (owner_ != nullptr) {
        return ERROR_ALREADY_EXISTS;
    }
    owner_ = this;
    hook_ = ::SetWindowsHookExW(WH_KEYBOARD_LL, &Procedure, ::GetModuleHandleW(nullptr), 0);
    if (hook_ == nullptr) {
        const DWORD error = ::GetLastError();
        owner_ = nullptr;
        return error != 0 ? static_cast<int>(error) : ERROR_HOOK_NOT_INSTALLED;
    }
    return 0;
}

void Win32KeyboardHook::Remove() {
    if (hook_ == nullptr) {
        return;
    }
    ::UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
    if (owner_ == this) {
        owner_ = nullptr;
    }
}

LRESULT CALLBACK Win32KeyboardHook::Procedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && owner_ != nullptr && owner_->handler_) {
        const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        if (owner_->handler_(code, event->vkCode, event->scanCode, event->flags)) {
            return 1;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace corvalith
