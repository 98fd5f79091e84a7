#pragma once

#include "platform/IKeyboardHook.h"

#include <windows.h>

#include <cstdint>
#include <functional>

namespace corvalith {

// The system-wide low-level keyboard hook (WH_KEYBOARD_LL). The system calls it on the thread that
// installed it, through that thread's message loop, for every key event anywhere; the handler says
// whether the event is swallowed. One hook at a time: the hook procedure reaches its owner through one
// static pointer. The hook is removed when its owner goes, so the system always gets its keyboard back.
class Win32KeyboardHook : public IKeyboardHook {
public:
    // The hook code, virtual-key code, scan code and flags (LLKHF_...) of one event; true swallows it.
    using Handler =
        std::function<bool(int code, std::uint32_t virtualKey, std::uint32_t scanCode, std::uint32_t flags)>;

    explicit Win32KeyboardHook(Handler handler) : handler_(std::move(handler)) {}
    Win32KeyboardHook(const Win32KeyboardHook&) = delete;
    Win32KeyboardHook& operator=(const Win32KeyboardHook&) = delete;
    ~Win32KeyboardHook() override { Remove(); }

    // 0, or the system's error code (ERROR_ALREADY_EXISTS while another hook of the program is installed).
    int Install() override;
    void Remove() override;
    bool IsInstalled() const override { return hook_ != nullptr; }

    // The installed hook's owner, null when none is installed.
    static Win32KeyboardHook* Owner() { return owner_; }

private:
    static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);

    static Win32KeyboardHook* owner_;

    Handler handler_;
    HHOOK hook_ = nullptr;
};

} // namespace corvalith
