#include "win/support/LongCampaign.h"
#include "win/support/MainWindowFixture.h"

#include "profile/ProfileFile.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace corvalith {
namespace {

using test::MainWindow;
using test::Pump;

// Whether the window answers a message sent from another thread within a second, while this thread runs
// its messages as the program's loop would.
bool Answers(HWND window) {
    DWORD_PTR result = 0;
    LRESULT answered = 0;
    std::atomic<bool> done = false;
    std::thread asker([&] {
        answered = SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, 1000, &result);
        done = true;
    });
    const ULONGLONG until = GetTickCount64() + 2000;
    while (!done && GetTickCount64() < until) {
        Pump();
    }
    asker.join();
    return answered != 0;
}

// Whether a DPI button press reaches the window as a balloon.
bool EventsFlow(MainWindow& main) {
    const std::wstring before = main.window->Tray().LastBalloonText();
    main.Mouse().PressDpiButton();
    for (int i = 0; i < 200; ++i) {
        const std::wstring now = main.window->Tray().LastBalloonText();
        if (now != before && now.find(L"Switch DPI") == 0) {
            return true;
        }
        Pump();
    }
    return false;
}

// The stored profile holds exactly what the working profile says.
bool ProfileIntact(MainWindow& main) {
    ProgramServices& s = main.Services();
    const auto stored = s.Files.ReadFile(s.Storage.CurrentBinaryPath(), 1 << 20);
    return stored && *stored == ProfileFile::Encode(s.Session.Working);
}

// Each fault is done to the program with its window shown; then the window answers within a second, the
// mouse comes back and its events reach the window again, and the stored profile is intact.
TEST(DeviceFaults, TheProgramOutlivesEveryFaultOfTheMouse) {
    const bool full = test::LongCampaign();
    struct Case {
        std::string what;
        std::function<void(MainWindow&)> fault;
    };
    std::vector<Case> cases;
    std::vector<int> reports = {1, 33, 66};
    if (full) {
        reports.clear();
        for (int report = 1; report <= 66; ++report) {
            reports.push_back(report);
        }
    }
    for (const int report : reports) {
        cases.push_back({"unplugged at report " + std::to_string(report) + " of a reset's upload",
                         [report](MainWindow& main) {
                             main.Mouse().UnplugAfterReports(report);
                             main.prompts.messageAnswers = {PromptAnswer::Ok};
                             main.window->Reset();
                             Pump();
                         }});
    }
    cases.push_back({"failing feature reports during a slider release", [](MainWindow& main) {
                         main.Mouse().FailFeatureReports(true);
                         main.window->SendMessage(CMarkerSlider::kNotification, 3,
                                                  CMouseConfigurationDlg::kXSliderId);
                         Pump();
                         main.Mouse().FailFeatureReports(false);
                     }});
    cases.push_back({"short reads during a reset", [](MainWindow& main) {
                         main.Mouse().ShortReads(true);
                         main.prompts.messageAnswers = {PromptAnswer::Ok};
                         main.window->Reset();
                         Pump();
                         main.Mouse().ShortReads(false);
                     }});
    const int garbage = full ? 10000 : 200;
    cases.push_back({"short and garbage event reports", [garbage](MainWindow& main) {
                         std::uint32_t state = 7;
                         for (int i = 0; i < garbage; ++i) {
                             state = state * 1664525 + 1013904223;
                             std::vector<std::uint8_t> report((state >> 8) % 70);
                             for (std::uint8_t& byte : report) {
                                 state = state * 1664525 + 1013904223;
                                 byte = static_cast<std::uint8_t>(state >> 24);
                             }
                             main.Mouse().SendEventReport(std::move(report));
                             if (i % 50 == 0) {
                                 Pump();
                             }
                         }
                         Pump();
                     }});
    const int cycles = full ? 200 : 5;
    cases.push_back({"plug cycles", [cycles](MainWindow& main) {
                         for (int i = 0; i < cycles; ++i) {
                             main.Mouse().Unplug();
                             Pump();
                             main.Mouse().Plug();
                             Pump();
                         }
                     }});
    const int presses = full ? 1000 : 50;
    cases.push_back({"presses of the DPI button", [presses](MainWindow& main) {
                         for (int i = 0; i < presses; ++i) {
                             main.Mouse().PressDpiButton();
                             if (i % 10 == 0) {
                                 Pump();
                             }
                         }
                         Pump();
                     }});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MainWindow main;
        main.window->PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
        Pump();
        ASSERT_TRUE(main.window->IsWindowVisible());
        c.fault(main);
        EXPECT_TRUE(Answers(main.window->Hwnd()));
        if (!main.Mouse().IsPlugged(VirtualMouse::Port::Event)) {
            main.Mouse().Plug();
            Pump();
        }
        EXPECT_TRUE(main.Services().Link.IsConnected());
        EXPECT_TRUE(EventsFlow(main));
        EXPECT_TRUE(ProfileIntact(main));
    }
}

} // namespace
} // namespace corvalith
