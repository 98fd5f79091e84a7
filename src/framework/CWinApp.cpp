#include "framework/CWinApp.h"

namespace corvalith {

int CWinApp::Main() {
    if (InitInstance()) {
        exitCode_ = Run();
    }
    return ExitInstance();
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::Run() {
    MSG msg{};
    for (;;) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            return got == 0 ? static_cast<int>(msg.wParam) : -1;
        }
        if (!CWnd::PreTranslateTree(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

int CWinApp::ExitInstance() {
    return exitCode_;
}

bool CWinApp::PumpWaitingMessages() {
    MSG msg{};
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (!CWnd::PreTranslateTree(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return true;
}

} // namespace corvalith
