#include "win/support/LongCampaign.h"
#include "win/support/MainWindowFixture.h"
#include "win/support/ProcessUsage.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace corvalith {
namespace {

using test::MainWindow;
using test::Pump;

// Random user actions on the shown window and plug cycles of the mouse. After a first round of every
// action (which makes what is made once: fonts, surfaces, each window's DC), the process's private bytes
// and GDI and USER objects come back to where they stood. The long campaign does 10,000 actions and 500
// plug cycles.
TEST(LeakSoak, UserActionsAndPlugCyclesLeaveTheCountsWhereTheyWere) {
    const bool full = test::LongCampaign();
    MainWindow main;
    CMouseConfigurationDlg& w = *main.window;
    w.PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
    Pump();
    ASSERT_TRUE(w.IsWindowVisible());
    ASSERT_NE(w.Advance(), nullptr);
    CDlgadvance& panel = *w.Advance();

    std::uint32_t state = 12345;
    const auto next = [&state](std::uint32_t below) {
        state = state * 1664525 + 1013904223;
        return (state >> 8) % below;
    };
    const std::vector<std::function<void()>> actions = {
        [&] { test::ClickButton(w, w.Header(1 + static_cast<int>(next(2)) * 2)); }, // headers 1 and 3
        [&] { test::ClickButton(w, w.Header(4)); },
        [&] { test::ClickButton(w, w.ViewButton(1 + static_cast<int>(next(2)))); },
        [&] {
            const int section = std::vector<int>{1, 2, 4, 5, 6, 7}[next(6)];
            test::ClickButton(panel, panel.Header(section));
        },
        [&] {
            const int slider =
                next(2) == 0 ? CMouseConfigurationDlg::kXSliderId : CMouseConfigurationDlg::kYSliderId;
            w.OnSliderNotification(1 + static_cast<int>(next(11)), slider);
        },
        [&] { w.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(next(1000), next(600))); },
        [&] { w.SendMessage(WM_MOUSELEAVE, 0, 0); },
        [&] { panel.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, next(2) == 0 ? -120 : 120), 0); },
    };
    const auto plugCycle = [&] {
        main.Mouse().Unplug();
        Pump();
        main.Mouse().Plug();
        Pump();
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
    Pump();
    const test::ProcessUsage after = test::MeasureProcessUsage();
    EXPECT_LE(after.Gdi, before.Gdi + 2) << "GDI objects " << before.Gdi << " -> " << after.Gdi;
    EXPECT_LE(after.User, before.User) << "USER objects " << before.User << " -> " << after.User;
    EXPECT_LE(after.PrivateBytes, before.PrivateBytes + 4.0 * (1 << 20))
        << "private bytes " << before.PrivateBytes << " -> " << after.PrivateBytes;
    std::printf(
        "soak: %d actions, %d plug cycles; GDI %ld -> %ld, USER %ld -> %ld, private bytes %.0f -> %.0f\n",
        count, cycles, before.Gdi, after.Gdi, before.User, after.User, before.PrivateBytes,
        after.PrivateBytes);
}

} // namespace
} // namespace corvalith
