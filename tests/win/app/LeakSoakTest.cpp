#include "assign/AssignmentCatalogue.h"
#include "assign/win/CSingleDialog.h"
#include "macro/win/CMacroDialog.h"
#include "macro/win/CMacroProgramDialog.h"
#include "profile/ConfigDialogLayout.h"
#include "win/support/LongCampaign.h"
#include "win/support/MainWindowFixture.h"
#include "win/support/ModalScript.h"
#include "win/support/ProcessUsage.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace corvalith {
namespace {

using test::MainWindow;
using test::ModalScript;
using test::Pump;
using Control = MainWindowPlan::Control;

// A left click at a client point of the window titled `title`, when it is open.
void ClickOn(const wchar_t* title, int x, int y) {
    if (const HWND window = ::FindWindowW(nullptr, title)) {
        test::ClickAt(window, x, y);
    }
}

// Random user actions on the shown window, with the skins the build draws, and plug cycles of the mouse.
// Menus are opened and dismissed, dialogs opened and cancelled, each driven by a script that their own
// loop runs. After a first round of every action (which makes what is made once: fonts, surfaces, decoded
// images, each window's DC), the process's private bytes, GDI and USER objects and handles come back to
// where they stood. The long campaign does 10,000 actions and 500 plug cycles.
TEST(LeakSoak, UserActionsAndPlugCyclesLeaveTheCountsWhereTheyWere) {
    const bool full = test::LongCampaign();
    MainWindow::Setup setup;
    setup.programFolder = CMouseConfigurationApp::ProgramFolder(); // beside the skins the build draws
    MainWindow main(setup);
    CMouseConfigurationDlg& w = *main.window;
    w.PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
    Pump();
    ASSERT_TRUE(w.IsWindowVisible());
    ASSERT_NE(w.Panel().Panel(), nullptr);
    CDlgadvance& panel = *w.Panel().Panel();

    std::uint32_t state = 12345;
    const auto next = [&state](std::uint32_t below) {
        state = state * 1664525 + 1013904223;
        return (state >> 8) % below;
    };
    // How often each menu and dialog opened: a script runs all its steps only in the loop it was made for.
    std::map<std::string, int> opened;
    const std::vector<std::function<void()>> actions = {
        [&] {
            test::ClickButton(w, w.Controls().Header(1 + static_cast<int>(next(2)) * 2));
        }, // headers 1 and 3
        [&] { test::ClickButton(w, w.Controls().Header(4)); },
        [&] { test::ClickButton(w, w.Controls().ViewButton(1 + static_cast<int>(next(2)))); },
        [&] {
            const int section = std::vector<int>{1, 2, 4, 5, 6, 7}[next(6)];
            test::ClickButton(panel, panel.Header(section));
        },
        [&] {
            const int slider =
                next(2) == 0 ? CMouseConfigurationDlg::kXSliderId : CMouseConfigurationDlg::kYSliderId;
            w.SendMessage(CMarkerSlider::kNotification, 1 + next(11), slider);
        },
        [&] { w.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(next(1000), next(600))); },
        [&] { w.SendMessage(WM_MOUSELEAVE, 0, 0); },
        [&] { panel.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, next(2) == 0 ? -120 : 120), 0); },
        [&] {
            ModalScript script({[] { ::EndMenu(); }});
            test::ClickButton(w, w.Controls().ButtonOf(Control::Help));
            opened["help menu"] += script.Finished() ? 1 : 0;
        },
        [&] { // a button's assignment menu; row 1 holds the only click, which has no menu
            w.ToggleSection(MainWindowLayout::ButtonAssignment, false);
            ModalScript script({[] { ::EndMenu(); }});
            test::ClickButton(
                w, w.Controls().DropDown(MainWindowLayout::SlotOfRow(2 + static_cast<int>(next(6)))));
            opened["assignment menu"] += script.Finished() ? 1 : 0;
        },
        [&] { // the key capture for the last menu's button
            ModalScript script({[] { ClickOn(CSingleDialog::kTitle, 346, 262); }});
            w.SendMessage(WM_COMMAND, AssignmentCatalogue::kSingleKeyCommand, 0);
            opened["key capture"] += script.Finished() ? 1 : 0;
        },
        [&] { // the macro choice, its list opened and closed
            ModalScript script({[] { ClickOn(CMacroDialog::kTitle, 60, 136); },
                                [] { ClickOn(CMacroDialog::kTitle, 60, 136); },
                                [] { ClickOn(CMacroDialog::kTitle, 343, 262); }});
            w.SendMessage(WM_COMMAND, AssignmentCatalogue::kMacroCommand, 0);
            opened["macro choice"] += script.Finished() ? 1 : 0;
        },
        [&] {
            ModalScript script({[] { ClickOn(CMacroProgramDialog::kTitle, 380, 408); }});
            test::ClickButton(w, w.Controls().Header(2));
            opened["macro manager"] += script.Finished() ? 1 : 0;
        },
        [&] { // the profile manager, closed on the profile in use
            test::ClickButton(w, w.Controls().ButtonOf(Control::Config));
            Pump();
            if (CConfigDialog* manager = w.Profiles().Dialog()) {
                ++opened["profile manager"];
                constexpr auto close = ConfigDialogLayout::kCloseArea;
                test::ClickAt(manager->Hwnd(), close.Left + 5, close.Top + 5);
                Pump();
            }
        },
    };
    // The virtual mouse's trace is the test's own record of every report; it is emptied at each plug cycle
    // so that only the program's memory is measured.
    const auto plugCycle = [&] {
        main.Mouse().Unplug();
        Pump();
        main.Mouse().Plug();
        Pump();
        main.Services().Trace().Clear();
    };
    for (const auto& action : actions) {
        action();
    }
    plugCycle();
    Pump();
    const test::ProcessUsage before = test::MeasureProcessUsage();

    const int count = full ? 10000 : 300;
    const int cycles = full ? 500 : 5;
    for (int i = 0; i < count; ++i) {
        actions[next(static_cast<std::uint32_t>(actions.size()))]();
        if (i % 20 == 0) {
            Pump();
        }
        if (cycles > 0 && i % (count / cycles) == 0) {
            plugCycle();
        }
    }
    plugCycle();
    Pump();
    const test::ProcessUsage after = test::MeasureProcessUsage();
    EXPECT_LE(after.Gdi, before.Gdi + 2) << "GDI objects " << before.Gdi << " -> " << after.Gdi;
    EXPECT_LE(after.User, before.User) << "USER objects " << before.User << " -> " << after.User;
    EXPECT_LE(after.Handles, before.Handles + 2) << "handles " << before.Handles << " -> " << after.Handles;
    EXPECT_LE(after.PrivateBytes, before.PrivateBytes + 4.0 * (1 << 20))
        << "private bytes " << before.PrivateBytes << " -> " << after.PrivateBytes;
    for (const char* what : {"help menu", "assignment menu", "key capture", "macro choice", "macro manager",
                             "profile manager"}) {
        EXPECT_GT(opened[what], 1) << what << " opened in the first round only";
    }
    std::printf("soak: %d actions, %d plug cycles; GDI %ld -> %ld, USER %ld -> %ld, handles %ld -> %ld, "
                "private bytes %.0f -> %.0f\n",
                count, cycles, before.Gdi, after.Gdi, before.User, after.User, before.Handles, after.Handles,
                before.PrivateBytes, after.PrivateBytes);
}

} // namespace
} // namespace corvalith
