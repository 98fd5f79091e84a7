#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace corvalith::test {

// Drives a modal window the way a user would while its modal loop runs: a thread timer, dispatched by
// that loop, runs one step of the script per tick (a click, a key, a check). The steps are run in
// order; ticks after the last do nothing. One script at a time.
class ModalScript {
public:
    explicit ModalScript(std::vector<std::function<void()>> steps, UINT periodMs = 20);
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;
    ~ModalScript();

    std::size_t StepsRun() const { return next_; }
    bool Finished() const { return next_ == steps_.size(); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);

    static ModalScript* current_;

    std::vector<std::function<void()>> steps_;
    std::size_t next_ = 0;
    UINT_PTR timer_ = 0;
};

// A click on a button as the mouse makes it: press and release over the button.
void Click(HWND button);

// A left click at a client point of `window`, posted: the press and the release reach the window through
// the loop that runs it, a modal one included.
void ClickAt(HWND window, int x, int y);

} // namespace corvalith::test
