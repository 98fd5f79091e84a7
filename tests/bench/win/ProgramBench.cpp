// Timed runs of the Windows program under Wine (`make bench-wine`), each figure beside the same figure for
// a minimal Win32 program where there is one: a plain window of the main window's size with a tray icon
// and one child window of a section header's size. Each program runs in a process of its own, so that its
// memory and object counts are its own:
//   start-up: creating the main window with everything up to its notification-area icon (no splash);
//   show: from the show request to the end of the first paint of the shown window and its children;
//   full repaint of the shown window;
//   hover change: one image button taking on its hover look and repainting;
//   slider release: the file replacements it causes (counted around the real files) and its time;
//   a whole profile write on the device worker, the mouse's waits passing for real: the longest wait of a
//   message posted every few milliseconds from another thread, hover changes meanwhile, and the write's time
//   from the submit to the worker's idle against the waits in the virtual mouse's trace (the minimal
//   program: the same posts and hovers for four seconds with nothing else to do);
//   ten DPI-slider releases 100 ms apart: the DPI uploads they send, and the values the mouse ends with;
//   the advanced panel with every section its headers open, open: its full repaint, and one wheel step
//   of scrolling from the message to the end of the paint it causes (the minimal program: a child window
//   of the panel's size that scrolls its contents by 60 pixels a step);
//   private bytes, GDI and USER objects after start-up, after the first show and after 200 section
//   toggles and view changes;
//   idle: CPU time hidden in the tray over a minute, measured by each process itself (Wine answers
//   GetProcessTimes for any process with the caller's own times).
// The figures come out as a Markdown table, ready for the README.
#include "CountingFileSystem.h"
#include "app/MainWindowLayout.h"
#include "app/win/CMouseConfigurationApp.h"
#include "app/win/CMouseConfigurationDlg.h"
#include "app/win/MainWindowMessages.h"
#include "framework/CWnd.h"
#include "pages/AdvancedPanelLayout.h"
#include "pages/SettingsChange.h"
#include "pages/win/CDlgadvance.h"
#include "pages/win/CMarkerSlider.h"
#include "platform/win/WideString.h"
#include "platform/win/Win32FileSystem.h"
#include "profile/ProgramRulesStore.h"
#include "skin/win/CSkinScrollWnd.h"
#include "win/support/ProcessUsage.h"

#include <windows.h>

#include <psapi.h>
#include <shellapi.h>
#include <windowsx.h>
#include <winternl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace corvalith;

// What one process measured, by name; numbers are written as text.
using Figures = std::map<std::string, std::string>;

constexpr int kRepaints = 50;
constexpr int kHovers = 50;
constexpr int kReleases = 20;
constexpr int kToggles = 200;
constexpr int kWheelSteps = 40;
constexpr int kWheelDelta = 120; // one notch
constexpr DWORD kIdleSeconds = 60;
constexpr int kDpiReleases = 10;
constexpr DWORD kDpiReleaseEveryMs = 100;

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

// Dispatches every waiting message the way the program's message loop does, until there is nothing left
// to do; paints come last, once the queue is otherwise empty.
void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!CWnd::PreTranslateTree(&message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// Dispatches the pending paints and nothing else: the first picture is complete when none is left. What a
// show posts besides (the uploads of the refreshed pages) waits for the next Pump.
void PumpPaints() {
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
}

void Put(Figures& figures, const std::string& name, double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6g", value);
    figures[name] = text;
}

// --- Memory and object counts ---------------------------------------------------------------------------

// Private bytes, GDI and USER objects of this process now, as figures "<what>_<when>".
void RecordUsage(Figures& figures, const std::string& when) {
    const test::ProcessUsage usage = test::MeasureProcessUsage();
    if (usage.PrivateBytes >= 0) {
        Put(figures, "private_" + when, usage.PrivateBytes);
        figures["private_by"] = usage.PrivateFromPagefile ? "pagefile" : "private";
    }
    Put(figures, "gdi_" + when, usage.Gdi);
    Put(figures, "user_" + when, usage.User);
    figures["counted_by"] = usage.CountedInTable ? "table" : "system";
}

// --- Measurements shared by both programs --------------------------------------------------------------

double RepaintMilliseconds(HWND window) {
    const LARGE_INTEGER from = Now();
    for (int i = 0; i < kRepaints; ++i) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    return Milliseconds(from, Now()) / kRepaints;
}

// A move posted onto the button (area, in the client coordinates of the window that gets the pointer's
// moves there), as the system posts one when the pointer enters it; only its dispatch is timed, in which
// the button takes on its hover look and repaints at once. A move outside the button then takes the look
// away again, untimed. `taken` counts the moves that left the button hovered.
template <typename Hovered>
double HoverMilliseconds(HWND target, RECT area, Hovered hovered, int& taken, int count = kHovers) {
    double total = 0;
    taken = 0;
    for (int i = 0; i < count; ++i) {
        PostMessageW(target, WM_MOUSEMOVE, 0,
                     MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2));
        MSG message;
        const LARGE_INTEGER from = Now();
        if (PeekMessageW(&message, target, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        total += Milliseconds(from, Now());
        taken += hovered() ? 1 : 0;
        PostMessageW(target, WM_MOUSEMOVE, 0, MAKELPARAM(area.left - 20, area.top - 20));
        Pump();
    }
    return total / count;
}

// Wheel notches posted to the window under the pointer, four down and four up in turn, each timed from its
// dispatch until every paint it caused has ended. `moved` counts the notches that scrolled (the position
// read through `position`).
template <typename Position> double WheelMilliseconds(HWND target, HWND top, Position position, int& moved) {
    RECT area;
    GetWindowRect(target, &area);
    const LPARAM at = MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    double total = 0;
    moved = 0;
    for (int i = 0; i < kWheelSteps; ++i) {
        const int before = position();
        const short delta = static_cast<short>((i / 4) % 2 == 0 ? -kWheelDelta : kWheelDelta);
        PostMessageW(target, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), at);
        const LARGE_INTEGER from = Now();
        Pump();
        RedrawWindow(top, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        total += Milliseconds(from, Now());
        moved += position() != before ? 1 : 0;
    }
    return total / kWheelSteps;
}

double OwnCpuMilliseconds() {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) {
        return -1;
    }
    const auto value = [](FILETIME t) {
        return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(value(kernel) + value(user)) / 10000.0;
}

// Runs the message loop for a while, waiting for messages the way the program's loop does.
void RunLoopFor(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(end - now), QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
        Pump();
    }
}

// Signalled by the run as a whole once the minimal program's timed part is over. Corvalith's idle minute
// waits for it: the minimal program's windows and icon coming and going make X and the Wine server send
// every program of the session events, which would be counted as Corvalith's own idle work.
constexpr const wchar_t* kQuietEvent = L"Local\\CorvalithBenchQuiet";

// Runs the message loop until the run as a whole says the session is quiet (at once when run alone).
void AwaitQuietSession() {
    const HANDLE quiet = OpenEventW(SYNCHRONIZE, FALSE, kQuietEvent);
    if (quiet == nullptr) {
        return;
    }
    const ULONGLONG deadline = GetTickCount64() + 5 * 60 * 1000;
    for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64()) {
        const DWORD woken = MsgWaitForMultipleObjectsEx(1, &quiet, static_cast<DWORD>(deadline - now),
                                                        QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woken == WAIT_OBJECT_0) {
            break;
        }
        Pump();
    }
    CloseHandle(quiet);
}

// The CPU time the process uses in a minute of its message loop, after two seconds to settle.
void MeasureIdle(Figures& figures) {
    RunLoopFor(2000);
    const double before = OwnCpuMilliseconds();
    RunLoopFor(kIdleSeconds * 1000);
    Put(figures, "idle_ms", OwnCpuMilliseconds() - before);
}

// Counts taken while toggling, to tell objects made once from objects made on every toggle.
void RecordCounts(Figures& figures, const std::string& when) {
    Figures usage;
    RecordUsage(usage, when);
    figures["gdi_" + when] = usage["gdi_" + when];
    figures["user_" + when] = usage["user_" + when];
}

// --- Answers while the mouse is being written ------------------------------------------------------------

// The benchmark's own message: posted to the probe window with its post time (the performance counter) in
// wParam.
enum BenchMessage : UINT { kProbeMessage = WM_APP + 0x7F };

constexpr DWORD kPostEveryMs = 5;     // how often the other thread posts to the probe window
constexpr DWORD kHoverEveryMs = 50;   // how often a hover change is timed meanwhile
constexpr DWORD kQuietProbeMs = 4000; // the minimal program's probe runs this long, with nothing to do

// What the window's thread did while it had something else going on: the longest wait of a posted message
// for its handling, and the hover changes timed meanwhile.
struct BusyAnswers {
    double WorstAnswer = 0;
    int Answered = 0;
    double HoverTotal = 0;
    double HoverWorst = 0;
    int Hovers = 0;
};

LRESULT CALLBACK ProbeProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kProbeMessage) {
        auto* answers = reinterpret_cast<BusyAnswers*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        LARGE_INTEGER posted;
        posted.QuadPart = static_cast<LONGLONG>(wParam);
        answers->WorstAnswer = std::max(answers->WorstAnswer, Milliseconds(posted, Now()));
        ++answers->Answered;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Runs the message loop as the program's does until `finished` is signalled (or, without one, for
// kQuietProbeMs), while another thread posts to a window of this thread every few milliseconds and a hover
// change of the button (as HoverMilliseconds times it) is timed every kHoverEveryMs.
template <typename Hovered>
BusyAnswers AnswersWhile(HANDLE finished, HWND target, RECT area, Hovered hovered) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW probeClass{};
    probeClass.lpfnWndProc = ProbeProcedure;
    probeClass.hInstance = instance;
    probeClass.lpszClassName = L"CorvalithBenchProbe";
    RegisterClassW(&probeClass);
    BusyAnswers answers;
    const HWND probe = CreateWindowExW(0, probeClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       instance, nullptr);
    SetWindowLongPtrW(probe, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&answers));

    std::atomic<bool> stop{false};
    std::thread poster([&] {
        while (!stop) {
            PostMessageW(probe, kProbeMessage, static_cast<WPARAM>(Now().QuadPart), 0);
            Sleep(kPostEveryMs);
        }
    });
    const ULONGLONG end = GetTickCount64() + kQuietProbeMs;
    ULONGLONG nextHover = GetTickCount64() + kHoverEveryMs;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (finished == nullptr && now >= end) {
            break;
        }
        if (now >= nextHover) {
            int taken = 0;
            const double hover = HoverMilliseconds(target, area, hovered, taken, 1);
            answers.HoverTotal += hover;
            answers.HoverWorst = std::max(answers.HoverWorst, hover);
            ++answers.Hovers;
            nextHover = GetTickCount64() + kHoverEveryMs;
            continue;
        }
        const DWORD woken = MsgWaitForMultipleObjectsEx(finished != nullptr ? 1 : 0, &finished,
                                                        static_cast<DWORD>(nextHover - now), QS_ALLINPUT,
                                                        MWMO_INPUTAVAILABLE);
        if (finished != nullptr && woken == WAIT_OBJECT_0) {
            break;
        }
        Pump();
    }
    stop = true;
    poster.join();
    Pump();
    DestroyWindow(probe);
    return answers;
}

void PutAnswers(Figures& figures, const BusyAnswers& answers) {
    Put(figures, "busy_answer_worst_ms", answers.WorstAnswer);
    Put(figures, "busy_answered", answers.Answered);
    Put(figures, "busy_hover_ms", answers.Hovers > 0 ? answers.HoverTotal / answers.Hovers : -1);
    Put(figures, "busy_hover_worst_ms", answers.HoverWorst);
    Put(figures, "busy_hovers", answers.Hovers);
}

// The waits a stretch of the virtual mouse's trace asked for ("sleep N"), and its DPI commands.
struct TraceStretch {
    double Waits = 0;
    int DpiCommands = 0;
};

TraceStretch ReadTrace(const std::vector<std::string>& lines, std::size_t from) {
    static const std::string sleep = "sleep ";
    static const std::string dpi = "set-feature 00 07 ";
    TraceStretch stretch;
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (lines[i].starts_with(sleep)) {
            stretch.Waits += std::strtod(lines[i].c_str() + sleep.size(), nullptr);
        } else if (lines[i].starts_with(dpi)) {
            ++stretch.DpiCommands;
        }
    }
    return stretch;
}

// Signals an event once the device worker has nothing left to send; `idleAt` then holds the time.
class IdleSignal {
public:
    IdleSignal(UploadWorker& worker, LARGE_INTEGER& idleAt)
        : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), waiter_([this, &worker, &idleAt] {
              worker.WaitUntilIdle(std::chrono::minutes(1));
              idleAt = Now();
              SetEvent(event_);
          }) {}
    ~IdleSignal() {
        waiter_.join();
        CloseHandle(event_);
    }
    IdleSignal(const IdleSignal&) = delete;
    IdleSignal& operator=(const IdleSignal&) = delete;
    HANDLE Event() const { return event_; }

private:
    HANDLE event_;
    std::thread waiter_;
};

// Runs the message loop until the device worker is idle.
void AwaitWorker(UploadWorker& worker) {
    LARGE_INTEGER idleAt{};
    IdleSignal idle(worker, idleAt);
    HANDLE event = idle.Event();
    while (MsgWaitForMultipleObjectsEx(1, &event, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) !=
           WAIT_OBJECT_0) {
        Pump();
    }
    Pump();
}

// --- Corvalith ------------------------------------------------------------------------------------------

// Writes the figures so far for the run as a whole, which reads them once the file is there.
void WriteFigures(const std::wstring& path, const Figures& figures);

// The program over the virtual mouse in the sandbox, without its splash, its files through files.
ProgramOptions SandboxOptions(const std::string& sandbox, IFileSystem& files) {
    ProgramOptions options;
    options.Simulate = true;
    options.ShowSplash = false;
    options.Sandbox = sandbox;
    options.DataFolder = sandbox + "Corvalith\\";
    options.Files = &files;
    return options;
}

int RunCorvalith(const std::string& sandbox, const std::wstring& resultsPath, Figures& figures) {
    CMouseConfigurationApp::RegisterMainWindowClass(GetModuleHandleW(nullptr));
    Win32FileSystem systemFiles;
    CountingFileSystem files(systemFiles);
    const ProgramOptions options = SandboxOptions(sandbox, files);

    const LARGE_INTEGER start = Now();
    CMouseConfigurationDlg window(options, CMouseConfigurationApp::ProgramFolder());
    if (!window.Create()) {
        return 1;
    }
    Put(figures, "startup_ms", Milliseconds(start, Now()));
    Pump();
    RecordUsage(figures, "startup");

    // The virtual mouse's window belongs to the simulation standing in for the mouse, which has no window
    // of its own: it is hidden for the measurements. Shown beside the program's window, it made the show
    // about 5 ms slower under Wine.
    if (window.TrayWait().MouseWindow() != nullptr) {
        ShowWindow(window.TrayWait().MouseWindow()->Hwnd(), SW_HIDE);
        Pump();
    }
    const HWND main = window.Hwnd();
    const RECT header = window.Controls().Header(1).Rect();

    const LARGE_INTEGER showFrom = Now();
    window.Restore();
    PumpPaints();
    if (IsWindowVisible(main)) {
        Put(figures, "show_ms", Milliseconds(showFrom, Now()));
    }
    Pump();
    RecordUsage(figures, "shown");
    RECT frame;
    GetWindowRect(main, &frame);
    Put(figures, "window_width", frame.right - frame.left);
    Put(figures, "window_height", frame.bottom - frame.top);
    Put(figures, "button_width", header.right - header.left);
    Put(figures, "button_height", header.bottom - header.top);

    Put(figures, "repaint_ms", RepaintMilliseconds(main));
    int hovered = 0;
    Put(figures, "hover_ms",
        HoverMilliseconds(
            main, header, [&window] { return window.Controls().Header(1).IsHover(); }, hovered));
    Put(figures, "hover_taken", hovered);

    // Slider releases of the X axis between two positions, as the slider sends them to its parent.
    double releaseTotal = 0;
    std::size_t fewest = SIZE_MAX;
    std::size_t most = 0;
    std::string lastFiles;
    for (int i = 0; i < kReleases; ++i) {
        const std::size_t before = files.Replaced().size();
        const LARGE_INTEGER from = Now();
        SendMessageW(main, CMarkerSlider::kNotification, i % 2 == 0 ? 7 : 6,
                     CMouseConfigurationDlg::kXSliderId);
        releaseTotal += Milliseconds(from, Now());
        const std::size_t count = files.Replaced().size() - before;
        fewest = std::min(fewest, count);
        most = std::max(most, count);
        lastFiles.clear();
        for (std::size_t k = before; k < files.Replaced().size(); ++k) {
            const std::string& path = files.Replaced()[k];
            lastFiles += (lastFiles.empty() ? "" : ", ") + path.substr(path.find_last_of("\\/") + 1);
        }
        Pump();
    }
    Put(figures, "slider_ms", releaseTotal / kReleases);
    Put(figures, "slider_fewest", static_cast<double>(fewest));
    Put(figures, "slider_most", static_cast<double>(most));
    figures["slider_files"] = lastFiles;

    // Each section opened and closed again in turn, the view switched with every step: the window ends as
    // it was after the first show.
    const MainWindowLayout::Section sections[] = {
        MainWindowLayout::ButtonAssignment, MainWindowLayout::AxisSensitivity, MainWindowLayout::LiftOff};
    for (int i = 0; i < kToggles; ++i) {
        window.ToggleSection(sections[(i / 2) % 3], i % 2 == 1);
        window.SelectView(i % 2 == 0 ? 2 : 1);
        Pump();
        if (i + 1 == 6 || i + 1 == kToggles / 2) {
            RecordCounts(figures, "toggled" + std::to_string(i + 1));
        }
    }
    RecordUsage(figures, "toggled");

    // A whole profile write as a factory reset starts it, the window's thread answering meanwhile; its
    // time from the submit to the worker's idle against the waits the mouse asked for.
    ProgramServices& services = window.Services();
    AwaitWorker(services.Worker);
    std::size_t traceFrom = services.Trace().Lines().size();
    services.Uploader.WriteProfileToMouse();
    const LARGE_INTEGER submitted = Now();
    {
        LARGE_INTEGER idleAt{};
        const IdleSignal idle(services.Worker, idleAt);
        PutAnswers(figures, AnswersWhile(idle.Event(), main, header,
                                         [&window] { return window.Controls().Header(1).IsHover(); }));
        Put(figures, "write_ms", Milliseconds(submitted, idleAt));
        Put(figures, "write_waits_ms", ReadTrace(services.Trace().Lines(), traceFrom).Waits);
    }

    // DPI-slider releases as the DPI page sends them: the working profile's stage values changed, then the
    // settings-changed notification.
    traceFrom = services.Trace().Lines().size();
    ProfileSettings& working = services.Session.Working;
    for (int i = 0; i < kDpiReleases; ++i) {
        for (std::size_t stage = 0; stage < ProfileSettings::kDpiStages; ++stage) {
            working.DpiValuesB[stage] = static_cast<std::uint8_t>(10 + 10 * stage + i);
        }
        PostMessageW(main, kSettingsChanged, 0, static_cast<LPARAM>(SettingsChange::Dpi));
        RunLoopFor(kDpiReleaseEveryMs);
    }
    AwaitWorker(services.Worker);
    Put(figures, "dpi_uploads", ReadTrace(services.Trace().Lines(), traceFrom).DpiCommands);
    bool last = services.Mouse() != nullptr;
    for (std::size_t stage = 0; last && stage < ProfileSettings::kDpiStages; ++stage) {
        last = services.Mouse()->State().StageCodes[stage] == working.DpiValuesB[stage] - 1;
    }
    Put(figures, "dpi_last", last ? 1 : 0);

    // The advanced panel with every section that its headers open, open.
    CDlgadvance& panel = *window.Panel().Panel();
    int opened = 0;
    for (int section = 1; section <= AdvancedPanelLayout::kSections; ++section) {
        if (AdvancedPanelLayout::HeaderShown(section)) {
            panel.ToggleSection(section, false);
            opened += panel.Layout().IsCollapsed(section) ? 0 : 1;
        }
    }
    Pump();
    Put(figures, "panel_sections", opened);
    Put(figures, "panel_visible", IsWindowVisible(panel.Hwnd()) ? 1 : 0);
    const HWND column = panel.Frame() != nullptr ? panel.Frame()->Hwnd() : panel.Hwnd();
    Put(figures, "panel_repaint_ms", RepaintMilliseconds(column));
    int scrolled = 0;
    Put(figures, "wheel_ms",
        WheelMilliseconds(
            panel.Hwnd(), main, [&] { return panel.Scroll().Position(); }, scrolled));
    Put(figures, "wheel_moved", scrolled);
    panel.CollapseAll();
    Pump();
    WriteFigures(resultsPath, figures);

    window.HideToTray();
    AwaitQuietSession();
    MeasureIdle(figures);
    Put(figures, "cpu_total_ms", OwnCpuMilliseconds());
    WriteFigures(resultsPath, figures);
    window.DestroyWindow();
    Pump();
    return 0;
}

// The same program laid out for a monitor at another scale: start-up, the first show, a full repaint and
// the memory and objects after the show.
int RunScaled(const std::string& sandbox, int dpi, const std::wstring& resultsPath, Figures& figures) {
    CMouseConfigurationApp::RegisterMainWindowClass(GetModuleHandleW(nullptr));
    Win32FileSystem files;
    ProgramOptions options = SandboxOptions(sandbox, files);
    options.Dpi = dpi;

    const LARGE_INTEGER start = Now();
    CMouseConfigurationDlg window(options, CMouseConfigurationApp::ProgramFolder());
    if (!window.Create()) {
        return 1;
    }
    Put(figures, "startup_ms", Milliseconds(start, Now()));
    Pump();
    if (window.TrayWait().MouseWindow() != nullptr) {
        ShowWindow(window.TrayWait().MouseWindow()->Hwnd(), SW_HIDE);
        Pump();
    }
    window.Restore();
    PumpPaints();
    Pump();
    RecordUsage(figures, "shown");
    Put(figures, "repaint_ms", RepaintMilliseconds(window.Hwnd()));
    WriteFigures(resultsPath, figures);
    return 0;
}

// --- The minimal program --------------------------------------------------------------------------------

LRESULT CALLBACK PlainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
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

// A column that moves its contents by 60 pixels a wheel notch and paints what comes into view.
LRESULT CALLBACK PlainPanelProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEWHEEL: {
        const int step = GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? 60 : -60;
        const auto position = GetWindowLongPtrW(window, GWLP_USERDATA) - step;
        SetWindowLongPtrW(window, GWLP_USERDATA, position);
        ScrollWindowEx(window, 0, step, nullptr, nullptr, nullptr, nullptr,
                       SW_INVALIDATE | SW_SCROLLCHILDREN);
        UpdateWindow(window);
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        EndPaint(window, &paint);
        return 0;
    }
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// A button that changes colour while the pointer is on it, holding the capture meanwhile.
LRESULT CALLBACK PlainButtonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE: {
        const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        RECT client;
        GetClientRect(window, &client);
        const bool inside = PtInRect(&client, point) != FALSE;
        if (inside != (GetCapture() == window)) {
            if (inside) {
                SetCapture(window);
            } else {
                ReleaseCapture();
            }
            InvalidateRect(window, nullptr, FALSE);
            UpdateWindow(window);
        }
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        FillRect(dc, &client,
                 static_cast<HBRUSH>(GetStockObject(GetCapture() == window ? LTGRAY_BRUSH : GRAY_BRUSH)));
        EndPaint(window, &paint);
        return 0;
    }
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

struct PlainProgram {
    HWND window = nullptr;
    HWND button = nullptr;
    HWND panel = nullptr;
    NOTIFYICONDATAW icon{};
};

PlainProgram StartPlainProgram(int width, int height, int buttonWidth, int buttonHeight) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PlainWindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = L"CorvalithBenchPlain";
    RegisterClassW(&windowClass);
    WNDCLASSW buttonClass = windowClass;
    buttonClass.lpfnWndProc = PlainButtonProcedure;
    buttonClass.lpszClassName = L"CorvalithBenchButton";
    RegisterClassW(&buttonClass);
    WNDCLASSW panelClass = windowClass;
    panelClass.lpfnWndProc = PlainPanelProcedure;
    panelClass.lpszClassName = L"CorvalithBenchPanel";
    RegisterClassW(&panelClass);

    PlainProgram program;
    program.window =
        CreateWindowExW(WS_EX_APPWINDOW, windowClass.lpszClassName, L"plain", WS_POPUP | WS_CLIPCHILDREN, 0,
                        0, width, height, nullptr, nullptr, instance, nullptr);
    program.button = CreateWindowExW(0, buttonClass.lpszClassName, L"", WS_CHILD | WS_VISIBLE, 20, 107,
                                     buttonWidth, buttonHeight, program.window, nullptr, instance, nullptr);
    const RECT column = CDlgadvance::kPlace;
    program.panel = CreateWindowExW(0, panelClass.lpszClassName, L"", WS_CHILD | WS_VISIBLE, column.left,
                                    column.top, column.right - column.left, column.bottom - column.top,
                                    program.window, nullptr, instance, nullptr);
    program.icon.cbSize = sizeof program.icon;
    program.icon.hWnd = program.window;
    program.icon.uID = 1;
    program.icon.uFlags = NIF_ICON | NIF_TIP;
    program.icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    Shell_NotifyIconW(NIM_ADD, &program.icon);
    return program;
}

void StopPlainProgram(PlainProgram& program) {
    Shell_NotifyIconW(NIM_DELETE, &program.icon);
    DestroyWindow(program.window);
    Pump();
}

int RunMinimal(int width, int height, int buttonWidth, int buttonHeight, const std::wstring& resultsPath,
               Figures& figures) {
    const LARGE_INTEGER start = Now();
    PlainProgram program = StartPlainProgram(width, height, buttonWidth, buttonHeight);
    Put(figures, "startup_ms", Milliseconds(start, Now()));
    Pump();
    RecordUsage(figures, "startup");

    const LARGE_INTEGER showFrom = Now();
    ShowWindow(program.window, SW_SHOW);
    SetForegroundWindow(program.window);
    PumpPaints();
    Put(figures, "show_ms", Milliseconds(showFrom, Now()));
    Pump();
    RecordUsage(figures, "shown");

    Put(figures, "repaint_ms", RepaintMilliseconds(program.window));
    int hovered = 0;
    RECT button;
    GetClientRect(program.button, &button);
    Put(figures, "hover_ms",
        HoverMilliseconds(
            program.button, button, [&program] { return GetCapture() == program.button; }, hovered));
    Put(figures, "hover_taken", hovered);
    Put(figures, "panel_repaint_ms", RepaintMilliseconds(program.panel));
    int scrolled = 0;
    Put(figures, "wheel_ms",
        WheelMilliseconds(
            program.panel, program.window,
            [&] { return static_cast<int>(GetWindowLongPtrW(program.panel, GWLP_USERDATA)); }, scrolled));
    Put(figures, "wheel_moved", scrolled);
    PutAnswers(figures, AnswersWhile(nullptr, program.button, button,
                                     [&program] { return GetCapture() == program.button; }));
    WriteFigures(resultsPath, figures);

    ShowWindow(program.window, SW_HIDE);
    MeasureIdle(figures);
    WriteFigures(resultsPath, figures);
    StopPlainProgram(program);
    return 0;
}

// --- The run as a whole ---------------------------------------------------------------------------------

std::wstring ThisProgram() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

void WriteFigures(const std::wstring& path, const Figures& figures) {
    std::string text;
    for (const auto& [name, value] : figures) {
        text += name + " " + value + "\n";
    }
    Win32FileSystem files;
    files.WriteFileAtomically(WideString::ToUtf8(path), std::vector<std::uint8_t>(text.begin(), text.end()));
}

Figures ReadFigures(const std::string& path) {
    Figures figures;
    Win32FileSystem files;
    const auto bytes = files.ReadFile(path, SIZE_MAX);
    if (!bytes) {
        return figures;
    }
    const std::string text(bytes->begin(), bytes->end());
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string line = text.substr(start, end - start);
        const std::size_t space = line.find(' ');
        if (space != std::string::npos) {
            figures[line.substr(0, space)] = line.substr(space + 1);
        }
        start = end + 1;
    }
    return figures;
}

PROCESS_INFORMATION Start(const std::wstring& program, const std::wstring& arguments) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + program + L"\" " + arguments;
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        process = {};
    }
    return process;
}

void Close(PROCESS_INFORMATION& process) {
    if (process.hProcess != nullptr) {
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    process = {};
}

// Starts this program in one of its measuring roles and waits until it has written its timed figures
// (it then idles for a minute) or has ended.
PROCESS_INFORMATION StartMeasuring(const std::wstring& arguments, const std::string& resultsPath) {
    PROCESS_INFORMATION process =
        Start(ThisProgram(), arguments + L" \"" + WideString::FromUtf8(resultsPath) + L"\"");
    Win32FileSystem files;
    const ULONGLONG deadline = GetTickCount64() + 5 * 60 * 1000;
    while (process.hProcess != nullptr && !files.FileExists(resultsPath) && GetTickCount64() < deadline &&
           WaitForSingleObject(process.hProcess, 100) == WAIT_TIMEOUT) {
    }
    return process;
}

void AwaitEnd(PROCESS_INFORMATION& process) {
    if (process.hProcess != nullptr &&
        WaitForSingleObject(process.hProcess, 5 * 60 * 1000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    Close(process);
}

std::string Number(const Figures& figures, const std::string& name, const char* format, double scale = 1) {
    const auto found = figures.find(name);
    if (found == figures.end()) {
        return "n/a";
    }
    char text[64];
    std::snprintf(text, sizeof text, format, std::strtod(found->second.c_str(), nullptr) * scale);
    return text;
}

double Value(const Figures& figures, const std::string& name) {
    const auto found = figures.find(name);
    return found == figures.end() ? -1 : std::strtod(found->second.c_str(), nullptr);
}

void Row(const std::string& what, const std::string& corvalith, const std::string& minimal,
         const std::string& target) {
    std::printf("| %s | %s | %s | %s |\n", what.c_str(), corvalith.c_str(), minimal.c_str(), target.c_str());
}

void PrintTable(const Figures& c, const Figures& m, const Figures& s) {
    const double startupLimit = 1.5 * Value(m, "startup_ms");
    char startupTarget[64];
    std::snprintf(startupTarget, sizeof startupTarget, "≤ 1.5× minimal (%.1f ms)", startupLimit);
    const double repaintLimit = 2 * Value(m, "repaint_ms");
    char repaintTarget[64];
    std::snprintf(repaintTarget, sizeof repaintTarget, "≤ 2× minimal (%.2f ms)", repaintLimit);
    constexpr double kMiB = 1.0 / (1024.0 * 1024.0);
    // Wine makes a device context (with its region and bitmap) for each window at its first paint, and a
    // button makes its caption font at its first draw: the first round of toggles shows windows not
    // painted before. From then on every count must stay where it is.
    const bool sameCounts = Value(c, "gdi_toggled") == Value(c, "gdi_toggled6") &&
                            Value(c, "user_toggled") == Value(c, "user_toggled6") &&
                            Value(c, "gdi_toggled6") >= 0;
    const std::string toggles = "after 200 section toggles and view changes";
    const double writeRatio = Value(c, "write_waits_ms") > 0 && Value(c, "write_ms") >= 0
                                  ? Value(c, "write_ms") / Value(c, "write_waits_ms")
                                  : -1;
    char writeCost[64] = "n/a";
    if (writeRatio >= 0) {
        std::snprintf(writeCost, sizeof writeCost, "%.4f×", writeRatio);
    }

    Row("What", "Corvalith", "Minimal Win32 program", "Target");
    std::printf("|---|---|---|---|\n");
    Row("Start-up to the tray icon, no splash (ms)", Number(c, "startup_ms", "%.1f"),
        Number(m, "startup_ms", "%.1f"), startupTarget);
    Row("Show request to the first complete paint (ms)", Number(c, "show_ms", "%.1f"),
        Number(m, "show_ms", "%.1f"), "≤ 30");
    Row("Full repaint of the shown window (ms)", Number(c, "repaint_ms", "%.2f"),
        Number(m, "repaint_ms", "%.2f"), repaintTarget);
    Row("Hover change of one image button, its repaint (ms)", Number(c, "hover_ms", "%.3f"),
        Number(m, "hover_ms", "%.3f"), "≤ 1");
    Row("Repaint of the advanced panel, every section open (ms)", Number(c, "panel_repaint_ms", "%.2f"),
        Number(m, "panel_repaint_ms", "%.2f"), "≤ 8");
    Row("One wheel step of the panel, to the end of its paint (ms)", Number(c, "wheel_ms", "%.2f"),
        Number(m, "wheel_ms", "%.2f"), "≤ 16");
    Row("A posted message during a whole profile write: the longest wait for its handling (ms)",
        Number(c, "busy_answer_worst_ms", "%.1f"), Number(m, "busy_answer_worst_ms", "%.1f"), "≤ 50");
    Row("Hover change during the write, its repaint (ms)", Number(c, "busy_hover_ms", "%.3f"),
        Number(m, "busy_hover_ms", "%.3f"), "≤ 5");
    Row("Whole profile write: submit to idle against the mouse's waits", writeCost, "—", "≤ 1.01×");
    Row("Ten DPI-slider releases 100 ms apart: DPI uploads", Number(c, "dpi_uploads", "%.0f"), "—", "≤ 2");
    Row("The mouse then holds the last DPI values", Value(c, "dpi_last") == 1 ? "yes" : "no", "—", "yes");
    Row("Slider release: file replacements", Number(c, "slider_most", "%.0f"), "—", "≤ 2");
    Row("Slider release: time (ms)", Number(c, "slider_ms", "%.2f"), "—", "—");
    Row("CPU time hidden in the tray over 60 s (ms)", Number(c, "idle_ms", "%.1f"),
        Number(m, "idle_ms", "%.1f"), "0");
    Row("Private bytes after start-up (MiB)", Number(c, "private_startup", "%.1f", kMiB),
        Number(m, "private_startup", "%.1f", kMiB), "—");
    Row("Private bytes after the first show (MiB)", Number(c, "private_shown", "%.1f", kMiB),
        Number(m, "private_shown", "%.1f", kMiB), "—");
    Row("Private bytes " + toggles + " (MiB)", Number(c, "private_toggled", "%.1f", kMiB), "—", "—");
    for (const auto& [kind, label] :
         {std::pair<std::string, std::string>{"gdi", "GDI objects"}, {"user", "USER objects"}}) {
        Row(label + " after start-up", Number(c, kind + "_startup", "%.0f"),
            Number(m, kind + "_startup", "%.0f"), "—");
        Row(label + " after the first show", Number(c, kind + "_shown", "%.0f"),
            Number(m, kind + "_shown", "%.0f"), "—");
        Row(label + " after the first round of toggles (each section and view once)",
            Number(c, kind + "_toggled6", "%.0f"), "—", "—");
        Row(label + " " + toggles, Number(c, kind + "_toggled", "%.0f"), "—", "= after the first round");
    }
    Row("Object counts after the toggles equal those after the first round", sameCounts ? "yes" : "no", "—",
        "yes");
    const double scaledRepaintLimit = 2 * Value(c, "repaint_ms");
    char scaledRepaintTarget[64];
    std::snprintf(scaledRepaintTarget, sizeof scaledRepaintTarget, "≤ 2× the 100 %% figure (%.2f ms)",
                  scaledRepaintLimit);
    Row("At 200 %: start-up to the tray icon (ms)", Number(s, "startup_ms", "%.1f"), "—", "—");
    Row("At 200 %: full repaint of the shown window (ms)", Number(s, "repaint_ms", "%.2f"), "—",
        scaledRepaintTarget);
    Row("At 200 %: private bytes after the first show (MiB)", Number(s, "private_shown", "%.1f", kMiB), "—",
        "—");
    Row("At 200 %: GDI objects after the first show", Number(s, "gdi_shown", "%.0f"), "—", "—");

    std::printf("\n");
    std::vector<std::string> missed;
    const auto check = [&](bool met, const char* what) {
        if (!met) {
            missed.push_back(what);
        }
    };
    check(Value(c, "startup_ms") >= 0 && Value(c, "startup_ms") <= startupLimit, "start-up");
    check(Value(c, "show_ms") >= 0 && Value(c, "show_ms") <= 30, "show to first paint");
    check(Value(c, "repaint_ms") >= 0 && Value(c, "repaint_ms") <= repaintLimit, "full repaint");
    check(Value(s, "repaint_ms") >= 0 && Value(s, "repaint_ms") <= scaledRepaintLimit,
          "full repaint at 200 %");
    check(Value(c, "hover_ms") >= 0 && Value(c, "hover_ms") <= 1, "hover change");
    check(Value(c, "panel_repaint_ms") >= 0 && Value(c, "panel_repaint_ms") <= 8, "panel repaint");
    check(Value(c, "wheel_ms") >= 0 && Value(c, "wheel_ms") <= 16, "panel wheel step");
    check(Value(c, "busy_answered") > 0 && Value(c, "busy_answer_worst_ms") <= 50, "answers during a write");
    check(Value(c, "busy_hovers") > 0 && Value(c, "busy_hover_ms") <= 5, "hover during a write");
    check(writeRatio >= 0 && writeRatio <= 1.01, "cost of a whole write");
    check(Value(c, "dpi_uploads") >= 1 && Value(c, "dpi_uploads") <= 2, "DPI uploads of ten releases");
    check(Value(c, "dpi_last") == 1, "the last DPI values on the mouse");
    check(Value(c, "slider_most") >= 0 && Value(c, "slider_most") <= 2, "slider release");
    check(Value(c, "idle_ms") == 0, "CPU time in the tray");
    check(sameCounts, "object counts after the toggles");
    std::string list;
    for (const std::string& what : missed) {
        list += (list.empty() ? "" : ", ") + what;
    }
    std::printf("Targets missed: %s.\n", missed.empty() ? "none" : list.c_str());
    const auto found = c.find("slider_files");
    std::printf("A slider release replaced: %s (each of %d releases %s..%s files).\n",
                found != c.end() ? found->second.c_str() : "n/a", kReleases,
                Number(c, "slider_fewest", "%.0f").c_str(), Number(c, "slider_most", "%.0f").c_str());
    std::printf("The hover look was taken on %s of %d moves (Corvalith), %s of %d (minimal program).\n",
                Number(c, "hover_taken", "%.0f").c_str(), kHovers, Number(m, "hover_taken", "%.0f").c_str(),
                kHovers);
    std::printf("The panel had %s sections open (shown: %s); %s of %d wheel steps scrolled it (Corvalith), "
                "%s of %d (minimal program).\n",
                Number(c, "panel_sections", "%.0f").c_str(), Value(c, "panel_visible") == 1 ? "yes" : "no",
                Number(c, "wheel_moved", "%.0f").c_str(), kWheelSteps,
                Number(m, "wheel_moved", "%.0f").c_str(), kWheelSteps);
    std::printf("Objects after 6, %d and %d toggles: GDI %s, %s, %s; USER %s, %s, %s.\n", kToggles / 2,
                kToggles, Number(c, "gdi_toggled6", "%.0f").c_str(),
                Number(c, "gdi_toggled100", "%.0f").c_str(), Number(c, "gdi_toggled", "%.0f").c_str(),
                Number(c, "user_toggled6", "%.0f").c_str(), Number(c, "user_toggled100", "%.0f").c_str(),
                Number(c, "user_toggled", "%.0f").c_str());
    std::printf("During the whole write (%s ms, the mouse's waits %s ms) %s posted messages were handled "
                "and %s hover changes timed (the longest %s ms); the minimal program, with nothing to do for "
                "%.0f s, handled %s (the longest wait %s ms, the longest hover %s ms).\n",
                Number(c, "write_ms", "%.1f").c_str(), Number(c, "write_waits_ms", "%.0f").c_str(),
                Number(c, "busy_answered", "%.0f").c_str(), Number(c, "busy_hovers", "%.0f").c_str(),
                Number(c, "busy_hover_worst_ms", "%.3f").c_str(), kQuietProbeMs / 1000.0,
                Number(m, "busy_answered", "%.0f").c_str(), Number(m, "busy_answer_worst_ms", "%.1f").c_str(),
                Number(m, "busy_hover_worst_ms", "%.3f").c_str());
    const auto privateBy = c.find("private_by");
    if (privateBy != c.end() && privateBy->second == "pagefile") {
        std::printf(
            "Wine reports no private bytes: those rows give its page-file usage, the process's resident "
            "anonymous memory and swap.\n");
    }
    std::printf("CPU time is counted in ticks of 10 ms under Wine; all of Corvalith's run took %s ms.\n",
                Number(c, "cpu_total_ms", "%.0f").c_str());
    const auto counted = c.find("counted_by");
    if (counted != c.end() && counted->second == "table") {
        std::printf(
            "GetGuiResources is not implemented by Wine: GDI objects are counted in the process's GDI "
            "handle table (stock objects left out), USER objects are the process's windows.\n");
    }
    std::printf("Corvalith runs with the virtual mouse, whose own window is part of its figures.\n");
}

std::string TemporaryFolder() {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    return WideString::ToUtf8(base) + "corvalith-bench-" + std::to_string(GetCurrentProcessId()) + "\\";
}

void RemoveFolder(const std::string& folder) {
    std::wstring from = WideString::FromUtf8(folder.substr(0, folder.size() - 1));
    from.push_back(L'\0'); // the shell wants a double-terminated list
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationW(&operation);
}

// Shows a notification-area icon for a window and takes it away again.
int WarmUp() {
    const HWND window = CreateWindowExW(0, L"STATIC", L"warm-up", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window;
    icon.uID = 1;
    icon.uFlags = NIF_ICON;
    icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    Shell_NotifyIconW(NIM_ADD, &icon);
    Shell_NotifyIconW(NIM_DELETE, &icon);
    DestroyWindow(window);
    return 0;
}

int RunAll() {
    // A sandbox that leaves the user's system alone; not a first installation.
    const std::string sandbox = TemporaryFolder();
    const std::string record = "[SOFTWARE\\Corvalith]\r\nIsNewInstalled=N\r\nLOD-Switcher=OFF\r\n";
    Win32FileSystem files;
    files.CreateDirectories(sandbox);
    files.WriteFileAtomically(sandbox + "install.ini",
                              std::vector<std::uint8_t>(record.begin(), record.end()));
    // A program given a profile, so that the idle minute in the tray is measured with the foreground
    // event hook watching for it.
    ProgramRules rules;
    rules.Add("Profile 1", "C:\\Games\\game.exe");
    files.CreateDirectories(sandbox + "Corvalith\\");
    ProgramRulesStore(files, sandbox + "Corvalith\\").Write(rules);

    // The folder goes without its closing backslash, which would escape the closing quote.
    const std::wstring folderArgument = WideString::FromUtf8(sandbox.substr(0, sandbox.size() - 1));
    const std::string corvalithResults = sandbox + "corvalith.txt";
    const std::string minimalResults = sandbox + "minimal.txt";
    // The Wine session's first notification-area icon makes the tray itself; a minimal program run untimed
    // first pays that, and whatever else the session does once, for both programs.
    PROCESS_INFORMATION warmUp = Start(ThisProgram(), L"--warm-up");
    AwaitEnd(warmUp);
    const HANDLE quiet = CreateEventW(nullptr, TRUE, FALSE, kQuietEvent);
    PROCESS_INFORMATION ours = StartMeasuring(L"--corvalith \"" + folderArgument + L"\"", corvalithResults);
    // The minimal program's window and button have the sizes of Corvalith's; it runs its timed part while
    // Corvalith waits hidden in the tray, and the two idle minutes start once it is over.
    const Figures timed = ReadFigures(corvalithResults);
    const auto size = [&](const char* name, int fallback) {
        const double value = Value(timed, name);
        return std::to_wstring(value > 0 ? static_cast<int>(value) : fallback);
    };
    PROCESS_INFORMATION plain =
        StartMeasuring(L"--minimal " + size("window_width", 1000) + L" " + size("window_height", 645) + L" " +
                           size("button_width", 237) + L" " + size("button_height", 20),
                       minimalResults);
    if (quiet != nullptr) {
        SetEvent(quiet);
    }
    AwaitEnd(ours);
    AwaitEnd(plain);
    const Figures corvalith = ReadFigures(corvalithResults);
    const Figures minimal = ReadFigures(minimalResults);
    // At 200 %, once the other two have ended.
    const std::string scaledResults = sandbox + "scaled.txt";
    PROCESS_INFORMATION scaledRun =
        StartMeasuring(L"--scaled \"" + folderArgument + L"\" 192", scaledResults);
    AwaitEnd(scaledRun);
    const Figures scaled = ReadFigures(scaledResults);
    PrintTable(corvalith, minimal, scaled);
    if (quiet != nullptr) {
        CloseHandle(quiet);
    }
    RemoveFolder(sandbox);
    return corvalith.empty() || minimal.empty() ? 1 : 0;
}

} // namespace

int main() {
    SetConsoleOutputCP(CP_UTF8);
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> args(arguments, arguments + count);
    LocalFree(arguments);

    Figures figures;
    int result = 0;
    if (args.size() == 4 && args[1] == L"--corvalith") {
        result = RunCorvalith(WideString::ToUtf8(args[2]) + "\\", args[3], figures);
    } else if (args.size() == 7 && args[1] == L"--minimal") {
        const auto number = [&](std::size_t i) {
            return static_cast<int>(std::wcstol(args[i].c_str(), nullptr, 10));
        };
        result = RunMinimal(number(2), number(3), number(4), number(5), args[6], figures);
    } else if (args.size() == 5 && args[1] == L"--scaled") {
        result = RunScaled(WideString::ToUtf8(args[2]) + "\\",
                           static_cast<int>(std::wcstol(args[3].c_str(), nullptr, 10)), args[4], figures);
    } else if (args.size() == 2 && args[1] == L"--warm-up") {
        result = WarmUp();
    } else {
        result = RunAll();
    }
    return result;
}
