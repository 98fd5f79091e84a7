#include "app/MainWindowPlan.h"
#include "pages/win/CDlgWarning.h"
#include "win/support/MainWindowFixture.h"
#include "win/support/ModalScript.h"
#include "win/support/TestSkinFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace corvalith {
namespace {

using test::MainWindow;
using test::Pump;

COLORREF PixelAt(HWND window, int x, int y) {
    const HDC dc = ::GetDC(window);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return colour;
}

// The main window at 100 %, 150 % and 200 %: its size, the art it draws (the 2x set where there is one,
// else the 1x art enlarged), where its buttons answer the pointer, and a move to a monitor of another
// scale. Sizes worked out by hand: 1000 x 645 logical pixels; 645 * 1.5 = 967.5 rounds up to 968.
TEST(DisplayScaling, TheMainWindowIsLaidOutDrawnAndClickedAtTheMonitorsScale) {
    constexpr COLORREF kOneX = RGB(20, 60, 100);
    constexpr COLORREF kTwoX = RGB(100, 20, 60);
    test::TestSkinFolder skins;
    const std::string background(MainWindowPlan::kBackground); // "Skins/..."
    ASSERT_TRUE(skins.WriteImage(background, 1000, 645, kOneX));
    ASSERT_TRUE(skins.WriteImage("Skins200" + background.substr(5), 2000, 1290, kTwoX));
    struct Case {
        int dpi;
        int width;
        int height;
        COLORREF drawn;
    };
    const Case cases[] = {{96, 1000, 645, kOneX}, {144, 1500, 968, kOneX}, {192, 2000, 1290, kTwoX}};
    for (const Case& c : cases) {
        MainWindow::Setup setup;
        setup.programFolder = skins.ProgramFolder();
        setup.dpi = c.dpi;
        MainWindow main(setup);
        CMouseConfigurationDlg& w = *main.window;
        w.PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
        Pump();
        RECT client{};
        ::GetClientRect(w.Hwnd(), &client);
        EXPECT_EQ(client.right, c.width) << c.dpi;
        EXPECT_EQ(client.bottom, c.height) << c.dpi;
        // Logical 600, 300 lies in the empty mouse picture.
        EXPECT_EQ(PixelAt(w.Hwnd(), 600 * c.dpi / 96, 300 * c.dpi / 96), c.drawn) << c.dpi;

        // The side-view button answers where it is drawn on the monitor.
        const RECT side = w.Controls().ViewButton(2).Rect();
        const LPARAM at =
            MAKELPARAM((side.left + side.right) / 2 * c.dpi / 96, (side.top + side.bottom) / 2 * c.dpi / 96);
        w.SendMessage(WM_MOUSEMOVE, 0, at);
        w.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        w.SendMessage(WM_LBUTTONUP, 0, at);
        EXPECT_EQ(w.Model().CurrentView(), MainWindowPlan::View::Side) << c.dpi;
    }

    // Moved from a 200 % monitor to a 150 % one: Windows suggests the new rectangle, the window takes it
    // and its settings panel (logical 735, 32 to 995, 593) moves to its place at the new scale.
    MainWindow::Setup setup;
    setup.programFolder = skins.ProgramFolder();
    setup.dpi = 192;
    MainWindow main(setup);
    CMouseConfigurationDlg& w = *main.window;
    w.PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
    Pump();
    RECT suggested{100, 50, 100 + 1500, 50 + 968};
    w.SendMessage(WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    Pump();
    RECT client{};
    ::GetClientRect(w.Hwnd(), &client);
    EXPECT_EQ(client.right, 1500);
    EXPECT_EQ(client.bottom, 968);
    EXPECT_EQ(w.Scale().Dpi(), 144);
    ASSERT_NE(w.Panel().Built(), nullptr);
    const HWND frame = ::GetParent(::GetParent(w.Panel().Built()->Hwnd())); // the panel's scroll frame
    RECT panel{};
    ::GetWindowRect(frame, &panel);
    ::MapWindowPoints(HWND_DESKTOP, w.Hwnd(), reinterpret_cast<POINT*>(&panel), 2);
    EXPECT_EQ(panel.left, 1103); // 1102.5
    EXPECT_EQ(panel.top, 48);
    EXPECT_EQ(panel.right, 1493); // 1492.5
    EXPECT_EQ(panel.bottom, 890); // 889.5
}

// A dialog dragged from a 200 % monitor to a 150 % one takes the rectangle Windows suggests and lays its
// buttons out again: each edge of Cancel, at twice its logical place before, lands at 1.5 times it.
TEST(DisplayScaling, ADialogMovedToAMonitorOfAnotherScaleLaysItselfOutAgain) {
    MainWindow::Setup setup;
    setup.dpi = 192;
    MainWindow main(setup);
    CDlgWarning warning(main.Services().Skins, main.Services().Language, main.window.get());
    RECT before{};
    RECT after{};
    RECT client{};
    test::ModalScript script({[&] {
        const HWND cancel = warning.CancelButton().Hwnd();
        ::GetWindowRect(cancel, &before);
        ::MapWindowPoints(HWND_DESKTOP, warning.Hwnd(), reinterpret_cast<POINT*>(&before), 2);
        RECT suggested{40, 30, 40 + 301, 30 + 203};
        ::SendMessageW(warning.Hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                       reinterpret_cast<LPARAM>(&suggested));
        ::GetWindowRect(cancel, &after);
        ::MapWindowPoints(HWND_DESKTOP, warning.Hwnd(), reinterpret_cast<POINT*>(&after), 2);
        ::GetClientRect(warning.Hwnd(), &client);
        test::Click(cancel);
    }});
    warning.DoModal();
    ASSERT_TRUE(script.Finished());
    EXPECT_EQ(client.right, 301);
    EXPECT_EQ(client.bottom, 203);
    EXPECT_EQ(warning.Scale().Dpi(), 144);
    const auto atThreeHalves = [](LONG twice) { return (twice * 3 / 2 + 1) / 2; }; // x * 1.5, half up
    EXPECT_EQ(after.left, atThreeHalves(before.left)) << before.left;
    EXPECT_EQ(after.top, atThreeHalves(before.top)) << before.top;
    EXPECT_EQ(after.right, atThreeHalves(before.right)) << before.right;
    EXPECT_EQ(after.bottom, atThreeHalves(before.bottom)) << before.bottom;
}

} // namespace
} // namespace corvalith
