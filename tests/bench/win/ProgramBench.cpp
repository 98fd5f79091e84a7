// Timed runs of the Windows program under Wine (`make bench-wine`), each beside the same figure for a
// minimal Win32 program in the same run:
//   start-up: creating the main window with everything up to its notification-area icon (no splash);
//   repaint: a full repaint of the shown main window;
//   idle: CPU time of Corvalith.exe hidden in the tray over a minute.
#include "app/win/CMouseConfigurationApp.h"
#include "app/win/CMouseConfigurationDlg.h"
#include "platform/win32/WideString.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

using namespace corvalith;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

LRESULT CALLBACK PlainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH)));
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The minimal program: a plain window of the same size with a tray icon; its start-up and repaint.
void MinimalProgram(double& startup, double& repaint, int repaints) {
    const LARGE_INTEGER start = Now();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PlainProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"CorvalithBenchPlain";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"plain", WS_POPUP, 0, 0, 1000, 645, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window;
    icon.uID = 1;
    icon.uFlags = NIF_ICON | NIF_TIP;
    icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    Shell_NotifyIconW(NIM_ADD, &icon);
    startup = Milliseconds(start, Now());

    ShowWindow(window, SW_SHOW);
    Pump();
    const LARGE_INTEGER from = Now();
    for (int i = 0; i < repaints; ++i) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    repaint = Milliseconds(from, Now()) / repaints;
    Shell_NotifyIconW(NIM_DELETE, &icon);
    DestroyWindow(window);
}

std::string TemporaryFolder() {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    return WideString::ToUtf8(base) + "corvalith-bench-" + std::to_string(GetCurrentProcessId()) + "\\";
}

double IdleCpuMilliseconds(const std::wstring& program, DWORD seconds) {
    SetEnvironmentVariableW(L"CORVALITH_SIMULATE", L"1");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + program + L"\"";
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return -1;
    }
    Sleep(8000); // start-up, the splash and the first frames
    const auto cpu = [&] {
        FILETIME created, exited, kernel, user;
        GetProcessTimes(process.hProcess, &created, &exited, &kernel, &user);
        const auto value = [](FILETIME t) {
            return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
        };
        return static_cast<double>(value(kernel) + value(user)) / 10000.0;
    };
    const double before = cpu();
    Sleep(seconds * 1000);
    const double used = cpu() - before;
    TerminateProcess(process.hProcess, 0);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return used;
}

} // namespace

int main() {
    constexpr int kRepaints = 50;
    CMouseConfigurationApp::RegisterMainWindowClass(GetModuleHandleW(nullptr));
    // A sandbox that leaves the user's system alone; not a first installation.
    const std::string sandbox = TemporaryFolder();
    const std::string record = "[SOFTWARE\\Corvalith]\r\nIsNewInstalled=N\r\nLOD-Switcher=OFF\r\n";
    Win32FileSystem files;
    files.CreateDirectories(sandbox);
    files.WriteFileAtomically(sandbox + "install.ini",
                              std::vector<std::uint8_t>(record.begin(), record.end()));
    SetEnvironmentVariableW(L"CORVALITH_SANDBOX", WideString::FromUtf8(sandbox).c_str());

    ProgramOptions options;
    options.Simulate = true;
    options.ShowSplash = false;
    options.Sandbox = sandbox;
    options.DataFolder = sandbox + "Corvalith\\";
    double startup = 0;
    double repaint = 0;
    {
        const LARGE_INTEGER start = Now();
        CMouseConfigurationDlg window(options, CMouseConfigurationApp::ProgramFolder());
        window.Create();
        startup = Milliseconds(start, Now());
        window.Restore();
        Pump();
        const LARGE_INTEGER from = Now();
        for (int i = 0; i < kRepaints; ++i) {
            window.RedrawWindow(nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
        repaint = Milliseconds(from, Now()) / kRepaints;
        window.DestroyWindow();
        Pump();
    }
    double plainStartup = 0;
    double plainRepaint = 0;
    MinimalProgram(plainStartup, plainRepaint, kRepaints);

    std::printf("start-up to the icon, no splash: Corvalith %.1f ms, minimal Win32 program %.1f ms\n",
                startup, plainStartup);
    std::printf("full repaint of the main window: Corvalith %.2f ms, minimal Win32 program %.2f ms\n",
                repaint, plainRepaint);

    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring program(path);
    program.resize(program.find_last_of(L'\\') + 1);
    program += L"Corvalith.exe";
    std::printf("idle in the tray for 60 s: Corvalith.exe used %.1f ms of CPU\n",
                IdleCpuMilliseconds(program, 60));
    return 0;
}
