#pragma once

#include "app/win/ProgramServices.h"
#include "framework/CWinApp.h"

namespace corvalith {

// The application object: one copy of the program at a time, the main window run modally for the
// program's whole life.
class CMouseConfigurationApp : public CWinApp {
public:
    static constexpr const wchar_t* kMutexName = L"Corvalith_Mutex";

    explicit CMouseConfigurationApp(ProgramOptions options) : options_(std::move(options)) {}

    BOOL InitInstance() override;
    int ExitInstance() override;

    // Registers the main window's class "HarloHCClass" with every attribute of the system dialog class.
    static bool RegisterMainWindowClass(HINSTANCE instance);
    // The executable's drive and directory, ending with a separator.
    static std::string ProgramFolder();

private:
    ProgramOptions options_;
    HANDLE mutex_ = nullptr;
};

} // namespace corvalith
