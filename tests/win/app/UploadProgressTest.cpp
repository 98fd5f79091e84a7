#include "app/win/CMouseConfigurationDlg.h"
#include "win/support/ButtonClick.h"
#include "win/support/MainWindowFixture.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <chrono>

namespace corvalith {
namespace {

using test::ClickButton;
using test::MainWindow;
using test::Pump;

// The main window with uploads on the device worker, taking the mouse's real time.
MainWindow::Setup RealUploads() {
    MainWindow::Setup setup;
    setup.uploadThread = true;
    setup.realWaits = true;
    return setup;
}

// Handles the window's messages until the condition holds (false if it never does in about 20 s).
template <typename Condition> bool PumpUntil(Condition condition) {
    for (int round = 0; round < 800; ++round) {
        if (condition()) {
            return true;
        }
        Pump();
    }
    return condition();
}

// The colour the window shows at a client point.
COLORREF PixelAt(CWnd& window, int x, int y) {
    const HDC dc = ::GetDC(window.Hwnd());
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::ReleaseDC(window.Hwnd(), dc);
    return colour;
}

TEST(UploadProgress, TheWindowAnswersWhileAFactoryResetIsWritten) {
    MainWindow main(RealUploads());
    CMouseConfigurationDlg& w = *main.window;
    const UploadProgressDisplay& display = w.Progress().Display();
    UploadWorker& worker = main.Services().Worker;
    w.PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
    Pump();
    ASSERT_TRUE(w.IsWindowVisible());
    // The end of the bar, never reached by its filled part while the write runs; without skins the window
    // is filled in dark red.
    const Rect bar = MainWindowLayout::kUploadBar;
    constexpr COLORREF kTrack = RGB(76, 34, 35);
    constexpr COLORREF kEmptyWindow = RGB(40, 12, 12);
    EXPECT_EQ(PixelAt(w, bar.Right - 1, bar.Top), kEmptyWindow);

    w.SendMessage(CMarkerSlider::kNotification, 11, CMouseConfigurationDlg::kXSliderId);
    ASSERT_TRUE(worker.WaitUntilIdle(std::chrono::seconds(5)));
    ASSERT_EQ(main.Mouse().State().SensitivityX, 220);

    main.prompts.messageAnswers = {PromptAnswer::Ok};
    ClickButton(w, w.Controls().ButtonOf(MainWindowPlan::Control::Reset));
    ASSERT_EQ(main.prompts.questions.size(), 1u);
    EXPECT_TRUE(worker.Busy()) << "the click came back before the mouse was written";
    EXPECT_FALSE(display.BarShown()) << "not in the first 300 ms";

    ASSERT_TRUE(PumpUntil([&] { return display.BarShown(); }));
    EXPECT_TRUE(worker.Busy());
    EXPECT_EQ(w.Tray().Tip(), L"Corvalith: writing the settings to the mouse...");
    // A click and a repaint are handled while the mouse is still being written.
    ClickButton(w, w.Controls().Header(1));
    EXPECT_FALSE(w.Model().Layout().IsCollapsed(MainWindowLayout::ButtonAssignment));
    w.RedrawWindow(nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_EQ(PixelAt(w, bar.Right - 1, bar.Top), kTrack);
    EXPECT_TRUE(worker.Busy());

    ASSERT_TRUE(PumpUntil([&] { return !display.Busy(); }));
    EXPECT_FALSE(worker.Busy());
    EXPECT_FALSE(display.BarShown());
    EXPECT_EQ(w.Tray().Tip(), L"Corvalith");
    w.UpdateWindow();
    EXPECT_EQ(PixelAt(w, bar.Right - 1, bar.Top), kEmptyWindow);
    EXPECT_EQ(main.Mouse().State().SensitivityX, 100) << "the factory settings reached the mouse";
}

TEST(UploadProgress, ADpiDragQueuesAndTheMousesRemovalEndsTheUpload) {
    MainWindow main(RealUploads());
    CMouseConfigurationDlg& w = *main.window;
    UploadWorker& worker = main.Services().Worker;
    ProfileSettings& p = main.Services().Session.Working;
    // Stage 2's slider dragged: each position is a DPI change; the first is being written while the
    // others come, and only the last one waits.
    for (std::uint8_t code : {20, 25, 30, 35, 40}) {
        p.DpiValuesB[1] = code;
        w.SendMessage(CMouseConfigurationDlg::kSettingsChanged, 0, 4);
        EXPECT_TRUE(worker.Busy());
    }
    ASSERT_TRUE(worker.WaitUntilIdle(std::chrono::seconds(20)));
    EXPECT_EQ(main.Mouse().State().StageCodes[1], 39);
    EXPECT_EQ(main.Services().Session.AppliedSnapshot.DpiValuesB[1], 40);

    // A factory reset's write, and the mouse unplugged after it has begun.
    ClickButton(w, w.Controls().ButtonOf(MainWindowPlan::Control::Reset));
    ASSERT_TRUE(PumpUntil([&] { return w.Progress().Display().Busy(); }));
    main.Mouse().Unplug();
    Pump();
    EXPECT_TRUE(worker.WaitUntilIdle(std::chrono::seconds(2))) << "the rest of the write was dropped";
    Pump();
    EXPECT_FALSE(w.Progress().Display().Busy());
    ClickButton(w, w.Controls().Header(3));
    EXPECT_FALSE(w.Model().Layout().IsCollapsed(MainWindowLayout::AxisSensitivity))
        << "the window still works";
}

} // namespace
} // namespace corvalith
