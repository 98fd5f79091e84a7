#pragma once

#include "framework/CWinApp.h"
#include "framework/CWnd.h"

#include <string>
#include <vector>

namespace corvalith::test {

// A plain window of the framework's class that keeps every message of the kinds it is told to watch,
// for tests that check what a control sends or posts to its parent.
class RecordingWindow : public CWnd {
public:
    struct Received {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    explicit RecordingWindow(std::vector<UINT> watched) : watched_(std::move(watched)) {}

    // A visible top-level window at the given screen rectangle, activated.
    bool CreateTopLevel(const RECT& rect, const std::wstring& title = L"Corvalith test") {
        if (!CreateEx(0, nullptr, title, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, rect,
                      static_cast<HWND>(nullptr), 0)) {
            return false;
        }
        ::SetActiveWindow(hwnd_);
        return true;
    }

    std::vector<Received> Of(UINT message) const {
        std::vector<Received> found;
        for (const Received& r : received) {
            if (r.message == message) {
                found.push_back(r);
            }
        }
        return found;
    }

    std::vector<Received> received;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        for (UINT watched : watched_) {
            if (watched == message) {
                received.push_back({message, wParam, lParam});
            }
        }
        if (message == WM_ERASEBKGND) {
            return TRUE;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    std::vector<UINT> watched_;
};

// Dispatches every message waiting in the thread's queue.
inline void PumpMessages() {
    CWinApp::PumpWaitingMessages();
}

} // namespace corvalith::test
