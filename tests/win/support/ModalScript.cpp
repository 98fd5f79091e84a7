#include "win/support/ModalScript.h"

namespace corvalith::test {

ModalScript* ModalScript::current_ = nullptr;

ModalScript::ModalScript(std::vector<std::function<void()>> steps, UINT periodMs) : steps_(std::move(steps)) {
    current_ = this;
    timer_ = ::SetTimer(nullptr, 0, periodMs, &ModalScript::Tick);
}

ModalScript::~ModalScript() {
    if (timer_ != 0) {
        ::KillTimer(nullptr, timer_);
    }
    if (current_ == this) {
        current_ = nullptr;
    }
}

void CALLBACK ModalScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
    ModalScript* script = current_;
    if (script == nullptr || script->next_ >= script->steps_.size()) {
        return;
    }
    // The step may pump messages (a click ends a dialog); it is counted before it runs.
    const std::size_t step = script->next_++;
    script->steps_[step]();
}

void Click(HWND button) {
    ::SendMessageW(button, BM_CLICK, 0, 0);
}

void ClickAt(HWND window, int x, int y) {
    ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

} // namespace corvalith::test
