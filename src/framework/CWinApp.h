#pragma once

#include "framework/CWnd.h"

namespace corvalith {

// The application object: the module instance, the main window and the program's outermost message
// loop. A program derives from it and runs Main from WinMain.
class CWinApp {
public:
    explicit CWinApp(HINSTANCE instance = ::GetModuleHandleW(nullptr)) : instance_(instance) {}
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp() = default;

    // InitInstance, then Run when it returned TRUE, then ExitInstance; the process's exit code.
    int Main();

    // Sets up the program; FALSE ends it without a message loop (a program whose main window runs
    // modally inside InitInstance returns FALSE).
    virtual BOOL InitInstance();
    // Pumps messages, with pre-translation, until WM_QUIT; returns its exit code.
    virtual int Run();
    // After the loop; the value is the exit code.
    virtual int ExitInstance();

    HINSTANCE Instance() const { return instance_; }
    CWnd* MainWindow() const { return mainWindow_; }
    void SetMainWindow(CWnd* window) { mainWindow_ = window; }

    // Dispatches every message already waiting, without blocking; false when WM_QUIT was among them
    // (it is posted again for the loop that owns it).
    static bool PumpWaitingMessages();

protected:
    int exitCode_ = 0;

private:
    HINSTANCE instance_;
    CWnd* mainWindow_ = nullptr;
};

} // namespace corvalith
