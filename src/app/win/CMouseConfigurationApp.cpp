#include "app/win/CMouseConfigurationApp.h"

#include "app/win/CMouseConfigurationDlg.h"
#include "controls/win/CMenuWndHook.h"
#include "platform/win/WideString.h"

#include <commctrl.h>

namespace corvalith {

bool CMouseConfigurationApp::RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSW windowClass{};
    if (GetClassInfoW(instance, CMouseConfigurationDlg::kWindowClass, &windowClass)) {
        return true;
    }
    if (!GetClassInfoW(nullptr, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(0x8002)), &windowClass)) {
        return false;
    }
    windowClass.hInstance = instance;
    windowClass.lpszClassName = CMouseConfigurationDlg::kWindowClass;
    return RegisterClassW(&windowClass) != 0;
}

std::string CMouseConfigurationApp::ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    const std::size_t separator = folder.find_last_of(L"\\/");
    folder.resize(separator == std::wstring::npos ? 0 : separator + 1);
    return WideString::ToUtf8(folder);
}

BOOL CMouseConfigurationApp::InitInstance() {
    // The common controls are taken from the system folder, as every library the program loads.
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = 0xFF;
    if (const HMODULE library = LoadLibraryExW(L"comctl32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        using Initialise = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        if (const auto initialise = reinterpret_cast<Initialise>(
                reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")))) {
            initialise(&controls);
        }
    }

    // Every popup menu of the thread is framed in the program's colours.
    CMenuWndHook::Install();

    if (!RegisterMainWindowClass(Instance())) {
        return FALSE;
    }
    mutex_ = CreateMutexW(nullptr, FALSE, kMutexName);
    if (mutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex_);
        mutex_ = nullptr;
        return FALSE;
    }

    CMouseConfigurationDlg window(options_, ProgramFolder());
    SetMainWindow(&window);
    window.DoModal();
    SetMainWindow(nullptr);
    return FALSE;
}

int CMouseConfigurationApp::ExitInstance() {
    CMenuWndHook::Uninstall();
    if (mutex_ != nullptr) {
        ReleaseMutex(mutex_);
        CloseHandle(mutex_);
        mutex_ = nullptr;
    }
    return CWinApp::ExitInstance();
}

} // namespace corvalith
