#include "app/win/CMouseConfigurationApp.h"
#include "app/win/CMouseConfigurationDlg.h"
#include "doubles/ScriptedPrompts.h"
#include "ini/FileInstallRecord.h"
#include "ini/IniFile.h"
#include "pages/win/CDlgWarning.h"
#include "platform/RecordingMouseSettings.h"
#include "platform/RecordingShell.h"
#include "platform/win/WideString.h"
#include "platform/win/Win32FileSystem.h"
#include "profile/ProfileFile.h"
#include "win/support/MainWindowFixture.h"
#include "win/support/ModalScript.h"
#include "win/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <system_error>
#include <thread>

namespace corvalith {
namespace {

using test::MainWindow;
using test::Pump;

// Hot-plug notifications that the system refuses.
struct RefusedDeviceNotifications : IDeviceNotifications {
    bool Register(void*) override { return false; }
    void Unregister() override {}
};

TEST(MainWindow, StartsHiddenWithEverythingCollapsedAndTheTopView) {
    MainWindow main;
    CMouseConfigurationDlg& w = *main.window;
    EXPECT_FALSE(w.IsWindowVisible());
    EXPECT_TRUE(w.Services().Link.IsConnected());
    EXPECT_TRUE(w.Tray().Shown());
    for (const auto section :
         {MainWindowLayout::ButtonAssignment, MainWindowLayout::AxisSensitivity, MainWindowLayout::LiftOff}) {
        EXPECT_TRUE(w.Model().Layout().IsCollapsed(section));
    }
    EXPECT_EQ(w.Model().CurrentView(), MainWindowPlan::View::Top);
    EXPECT_TRUE(w.Controls().ViewButton(1).IsChecked());
    EXPECT_FALSE(w.Controls().ViewButton(2).IsChecked());
    EXPECT_EQ(w.Model().SelectedSlot(), -1);
    EXPECT_FALSE(w.Controls().DropDown(0).IsShown());
    // The first start filled the profile with the factory defaults and saved it.
    EXPECT_TRUE(w.Services().Files.FileExists(main.options.DataFolder + "config0.bin"));
    EXPECT_NE(w.TrayWait().MouseWindow(), nullptr);
}

// The tray and the window's title show the icon file's frame made for their size (16 pixels small, 32
// large at 100 %), not the large frame shrunk by the system.
TEST(MainWindow, TheTrayAndTheWindowShowTheIconFrameOfTheirSize) {
    MainWindow main;
    CMouseConfigurationDlg& w = *main.window;
    w.PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
    Pump();
    struct Case {
        const char* place;
        HICON icon;
        int width;
    };
    const Case cases[] = {
        {"tray", w.Tray().Icon(), ::GetSystemMetrics(SM_CXSMICON)},
        {"small", reinterpret_cast<HICON>(w.SendMessage(WM_GETICON, ICON_SMALL, 0)),
         ::GetSystemMetrics(SM_CXSMICON)},
        {"large", reinterpret_cast<HICON>(w.SendMessage(WM_GETICON, ICON_BIG, 0)),
         ::GetSystemMetrics(SM_CXICON)},
    };
    for (const Case& c : cases) {
        ICONINFO info{};
        ASSERT_TRUE(::GetIconInfo(c.icon, &info)) << c.place;
        BITMAP colour{};
        ::GetObjectW(info.hbmColor, sizeof colour, &colour);
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
        EXPECT_EQ(colour.bmWidth, c.width) << c.place;
        EXPECT_NE(c.icon, ::LoadIconW(nullptr, IDI_APPLICATION)) << c.place << ": the program's own";
    }
}

TEST(MainWindow, KeysThatWouldCloseAWindowDoNothing) {
    MainWindow main;
    for (const WPARAM key : {VK_RETURN, VK_ESCAPE, VK_SPACE, VK_F1}) {
        for (const UINT message : {WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP}) {
            MSG msg{main.window->Hwnd(), message, key, 0, 0, {}};
            EXPECT_TRUE(main.window->PreTranslateMessage(&msg)) << key << " " << message;
        }
    }
}

TEST(MainWindow, RowsSelectTheirSlots) {
    MainWindow main;
    main.window->SelectRow(4);
    EXPECT_EQ(main.window->Model().SelectedSlot(), 4);
    EXPECT_TRUE(main.window->Controls().DropDown(4).IsChecked());
    main.window->SelectRow(5);
    EXPECT_EQ(main.window->Model().SelectedSlot(), 3);
    EXPECT_FALSE(main.window->Controls().DropDown(4).IsChecked());
    // Sent or posted, the notification clears the selection.
    main.window->SendMessage(CMouseConfigurationDlg::kClearSelection);
    EXPECT_EQ(main.window->Model().SelectedSlot(), -1);
    main.window->SelectRow(2);
    main.window->PostMessage(CMouseConfigurationDlg::kClearSelection);
    Pump();
    EXPECT_EQ(main.window->Model().SelectedSlot(), -1);
}

TEST(MainWindow, SectionTogglesMoveHeadersAndSliders) {
    MainWindow main;
    CMouseConfigurationDlg& w = *main.window;
    w.ToggleSection(MainWindowLayout::AxisSensitivity, false);
    EXPECT_TRUE(w.Controls().XSlider().GetStyle() & WS_VISIBLE);
    const RECT before = w.Controls().Header(3).Rect();
    w.ToggleSection(MainWindowLayout::ButtonAssignment, false);
    const RECT after = w.Controls().Header(3).Rect();
    const int panel = w.Model().Layout().Header(3).Top - 157;
    EXPECT_EQ(after.top - before.top, panel);
    EXPECT_EQ(w.Controls().XSlider().GetRectInParent().top, after.bottom + 25);
    EXPECT_EQ(w.Controls().YSlider().GetRectInParent().top, after.bottom + 85);
    EXPECT_TRUE(w.Controls().DropDown(6).IsShown());
}

TEST(MainWindow, SlidersStoreAndSendTheirValues) {
    MainWindow main;
    const std::size_t mark = main.Services().Trace().Lines().size();
    main.window->SendMessage(CMarkerSlider::kNotification, 11, CMouseConfigurationDlg::kXSliderId);
    EXPECT_EQ(main.Services().Session.Working.SensitivityX, 11);
    EXPECT_EQ(main.Mouse().State().SensitivityX, 220);
    EXPECT_EQ(main.TraceFrom(mark), (std::vector<std::string>{"set-feature 00 0b dc 64 00 00 00 00 b4"}));
    EXPECT_EQ(main.Services().Session.AppliedSnapshot.SensitivityX, 11);

    // Lift-off off sends 0D 06 and greys the slider out; on again re-sends the level.
    main.window->ToggleSection(MainWindowLayout::LiftOff, false);
    const Rect off = main.window->Model().Layout().LiftOffOffZone();
    const Rect on = main.window->Model().Layout().LiftOffOnZone();
    main.window->PressAt({on.Left, on.Top});
    EXPECT_TRUE(main.window->Controls().LiftOffSlider().IsWindowEnabled());
    main.window->PressAt({off.Left + 1, off.Top + 1});
    EXPECT_EQ(main.Mouse().State().LiftOff, 6);
    EXPECT_FALSE(main.window->Controls().LiftOffSlider().IsWindowEnabled());
    main.window->SendMessage(CMarkerSlider::kNotification, 2, CMouseConfigurationDlg::kLiftOffSliderId);
    EXPECT_EQ(main.Mouse().State().LiftOff, 6) << "off whatever the level";
    main.window->ToggleSection(MainWindowLayout::LiftOff, true);
    const std::size_t collapsed = main.Services().Trace().Lines().size();
    main.window->PressAt({on.Left, on.Top}); // a collapsed section shows no switch: the panel is empty
    EXPECT_EQ(main.TraceFrom(collapsed), std::vector<std::string>{});
    EXPECT_EQ(main.Services().Session.Working.LiftOffEnabled, 0u);
    main.window->ToggleSection(MainWindowLayout::LiftOff, false);
    main.window->PressAt({on.Left, on.Top});
    EXPECT_EQ(main.Mouse().State().LiftOff, 2);
    EXPECT_TRUE(main.window->Controls().LiftOffSlider().IsWindowEnabled());
}

TEST(MainWindow, DpiBalloonReadsTheSnapshot) {
    MainWindow main;
    main.Services().Session.Working.DpiValuesB[1] = 32; // edited to 3200 and applied
    main.Services().Uploader.ApplyDpi();
    main.window->SendMessage(CMouseConfigurationDlg::kDeviceEvent, 1, 1);
    EXPECT_EQ(main.window->Tray().LastBalloonText(), L"Switch DPI into the second stage (3200)");
    EXPECT_EQ(main.window->Tray().LastBalloonTitle(), L"Info");
}

TEST(MainWindow, UnplugAndPlugFollowTheMouse) {
    MainWindow main;
    main.Mouse().Unplug(VirtualMouse::Unplugged::Mouse);
    Pump();
    EXPECT_TRUE(main.Services().Link.IsConnected()) << "one interface of several went";
    EXPECT_TRUE(main.window->Tray().Shown());

    main.Mouse().Unplug(VirtualMouse::Unplugged::All);
    Pump();
    EXPECT_FALSE(main.Services().Link.IsConnected());
    EXPECT_EQ(main.window->Tray().LastBalloonTitle(), L"Warning");
    EXPECT_EQ(main.window->Tray().LastBalloonText(), L"The system did not detect Corvalith!");
    EXPECT_TRUE(main.window->Tray().LastBalloonHadIcon()) << "the balloon needs the icon to show";
    // The icon leaves when the balloon has gone.
    main.window->SendMessage(CMouseConfigurationDlg::kTrayNotification, 128, NIN_BALLOONTIMEOUT);
    EXPECT_FALSE(main.window->Tray().Shown());

    main.Mouse().Plug();
    Pump();
    EXPECT_TRUE(main.Services().Link.IsConnected());
    EXPECT_TRUE(main.window->Tray().Shown());
    EXPECT_EQ(main.window->Tray().LastBalloonText(), L"The system detect Corvalith.");

    // Events flow again: the DPI button reaches the window as a balloon.
    main.Mouse().PressDpiButton();
    for (int i = 0; i < 100 && main.window->Tray().LastBalloonText().find(L"Switch DPI") != 0; ++i) {
        Pump();
    }
    EXPECT_EQ(main.window->Tray().LastBalloonText().find(L"Switch DPI into the third stage "), 0u);
}

TEST(MainWindow, StartWithoutTheMouseThenPlugIt) {
    MainWindow main(false, true);
    EXPECT_FALSE(main.Services().Link.IsConnected());
    EXPECT_FALSE(main.window->Tray().Shown());
    main.window->PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
    Pump();
    EXPECT_FALSE(main.window->IsWindowVisible()) << "nothing to configure without the mouse";

    main.Mouse().Plug();
    Pump();
    EXPECT_TRUE(main.Services().Link.IsConnected());
    EXPECT_TRUE(main.window->Tray().Shown());
    EXPECT_EQ(main.window->Tray().LastBalloonText(), L"The system detect Corvalith.");
    EXPECT_EQ(main.window->Tray().LastBalloonTitle(), L"Info");
    main.Mouse().PressDpiButton();
    for (int i = 0; i < 100 && main.window->Tray().LastBalloonText().find(L"Switch DPI") != 0; ++i) {
        Pump();
    }
    EXPECT_EQ(main.window->Tray().LastBalloonText(), L"Switch DPI into the third stage (2400)");
}

TEST(MainWindow, ResetAsksFirstAndKeepsMacrosAndLiftOff) {
    MainWindow main;
    ProfileSettings& p = main.Services().Session.Working;
    p.SensitivityX = 9;
    p.LiftOffEnabled = 1;
    p.MacroBlockTable[3][0] = 0x42;

    main.prompts.messageAnswers = {PromptAnswer::Cancel};
    main.window->Reset();
    EXPECT_EQ(p.SensitivityX, 9);
    ASSERT_EQ(main.prompts.questions.size(), 1u);
    EXPECT_EQ(main.prompts.questions[0].text, "Reset to factory default?");
    EXPECT_EQ(main.prompts.questions[0].caption, "ATTENTION!!");

    main.window->ToggleSection(MainWindowLayout::ButtonAssignment, false);
    main.window->SelectView(2);
    main.prompts.messageAnswers = {PromptAnswer::Ok};
    main.window->Reset();
    EXPECT_EQ(p.SensitivityX, 5);
    EXPECT_EQ(p.LiftOffEnabled, 1u);
    EXPECT_EQ(p.MacroBlockTable[3][0], 0x42);
    EXPECT_TRUE(main.window->Model().Layout().IsCollapsed(MainWindowLayout::ButtonAssignment));
    EXPECT_EQ(main.window->Model().CurrentView(), MainWindowPlan::View::Top);
    EXPECT_EQ(main.Mouse().State().SensitivityX, 100);
}

// The warning window of the first start, found among the thread's windows while it runs modally.
CDlgWarning* RunningWarning() {
    CDlgWarning* found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM data) -> BOOL {
            if (auto* warning = dynamic_cast<CDlgWarning*>(CWnd::FromHandle(hwnd))) {
                *reinterpret_cast<CDlgWarning**>(data) = warning;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST(MainWindow, FirstStartAsksAboutLiftOffAndRecordsTheAnswer) {
    struct Case {
        const char* name;
        std::vector<HWND (*)(CDlgWarning&)> clicks;
        const char* recorded;
        std::uint8_t liftOff; // what the mouse receives
    };
    const Case cases[] = {
        {"ON, then OK",
         {[](CDlgWarning& w) { return w.OnButton().Hwnd(); },
          [](CDlgWarning& w) { return w.OkButton().Hwnd(); }},
         "ON",
         3},
        {"OFF, then OK",
         {[](CDlgWarning& w) { return w.OffButton().Hwnd(); },
          [](CDlgWarning& w) { return w.OkButton().Hwnd(); }},
         "OFF",
         6},
        {"ON, then the close button",
         {[](CDlgWarning& w) { return w.OnButton().Hwnd(); },
          [](CDlgWarning& w) { return w.CloseButton().Hwnd(); }},
         "OFF",
         6},
    };
    for (const Case& c : cases) {
        std::vector<std::function<void()>> steps;
        for (const auto& target : c.clicks) {
            steps.push_back([target] {
                if (CDlgWarning* warning = RunningWarning()) {
                    test::Click(target(*warning));
                }
            });
        }
        test::ModalScript script(steps, 50);
        MainWindow main(true);
        EXPECT_TRUE(script.Finished()) << c.name;
        EXPECT_FALSE(main.record.IsNewInstallation()) << c.name;
        const ini::IniFile record(main.files, main.installFolder.Path() + "install.ini");
        EXPECT_EQ(record.ReadString("SOFTWARE\\Corvalith", "LOD-Switcher"), c.recorded) << c.name;
        EXPECT_EQ(main.Mouse().State().LiftOff, c.liftOff) << c.name;
        EXPECT_EQ(main.Services().Session.Working.LiftOffEnabled, c.liftOff == 3 ? 1u : 0u) << c.name;
    }
}

// A show request while the first-start question waits (the companion program, or corvalith-show, asks as
// soon as the window exists): the window is shown once start-up has ended.
TEST(MainWindow, AShowRequestDuringStartUpShowsTheWindowAfterIt) {
    test::ModalScript script({[] {
                                  if (CDlgWarning* warning = RunningWarning()) {
                                      ::PostMessageW(GetWindow(warning->Hwnd(), GW_OWNER),
                                                     CMouseConfigurationDlg::kShowRequest, 1, 1);
                                  }
                              },
                              [] {
                                  if (CDlgWarning* warning = RunningWarning()) {
                                      test::Click(warning->OkButton().Hwnd());
                                  }
                              }},
                             50);
    MainWindow main(true);
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(main.window->IsWindowVisible());
    EXPECT_TRUE(main.window->Model().Layout().IsCollapsed(MainWindowLayout::ButtonAssignment));
}

} // namespace
} // namespace corvalith

namespace corvalith {
namespace {

TEST(MainWindow, ShowRequestRestoresCentredWithTheFirstTwoSectionsCollapsed) {
    MainWindow main;
    CMouseConfigurationDlg& w = *main.window;
    w.ToggleSection(MainWindowLayout::ButtonAssignment, false);
    w.ToggleSection(MainWindowLayout::AxisSensitivity, false);
    w.ToggleSection(MainWindowLayout::LiftOff, false);
    w.PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
    Pump();
    EXPECT_TRUE(w.IsWindowVisible());
    EXPECT_TRUE(w.Model().Layout().IsCollapsed(MainWindowLayout::ButtonAssignment));
    EXPECT_TRUE(w.Model().Layout().IsCollapsed(MainWindowLayout::AxisSensitivity));
    EXPECT_FALSE(w.Model().Layout().IsCollapsed(MainWindowLayout::LiftOff));
    const RECT rect = w.GetWindowRect();
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2);
    EXPECT_FALSE(w.GetExStyle() & WS_EX_TOOLWINDOW);

    w.HideToTray();
    EXPECT_FALSE(w.IsWindowVisible());
    EXPECT_TRUE(w.GetExStyle() & WS_EX_TOOLWINDOW);

    // A double click on the icon brings it back; other clicks and other icons do nothing.
    w.SendMessage(CMouseConfigurationDlg::kTrayNotification, 128, WM_LBUTTONDOWN);
    w.SendMessage(CMouseConfigurationDlg::kTrayNotification, 129, WM_LBUTTONDBLCLK);
    EXPECT_FALSE(w.IsWindowVisible());
    w.SendMessage(CMouseConfigurationDlg::kTrayNotification, 128, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(w.IsWindowVisible());
    w.HideToTray();

    // Without the mouse a show request is ignored.
    main.Mouse().Unplug();
    Pump();
    w.PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
    Pump();
    EXPECT_FALSE(w.IsWindowVisible());
}

TEST(MainWindow, HelpMenuOpensTheSiteAndStartsTheUpdaterOnlyWithTheMouse) {
    MainWindow main;
    main.window->SendMessage(WM_COMMAND, 1001, 0);
    EXPECT_EQ(main.shell.Requests(), std::vector<std::string>{"open https://www.example.com/"});
    main.window->SendMessage(WM_COMMAND, 1002, 0);
    EXPECT_EQ(main.shell.Requests().back(), "start Z:\\nonexistent\\Update\\3360\\FWUpdate.exe");
    MSG quit;
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));

    main.Mouse().Unplug();
    Pump();
    main.window->SendMessage(WM_COMMAND, 1003, 0); // "Version:1.0" does nothing
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    main.window->SendMessage(WM_COMMAND, 1002, 0);
    EXPECT_EQ(main.shell.Requests().size(), 2u) << "without the mouse the updater is not started";
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "but the program ends";
    EXPECT_EQ(quit.wParam, 0u);
}

TEST(MainWindow, ClosingHidesToTheTrayAndTheIconBringsBackAMinimisedWindow) {
    MainWindow main;
    CMouseConfigurationDlg& w = *main.window;
    w.PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
    Pump();
    ASSERT_TRUE(w.IsWindowVisible());

    // Alt+F4 and the taskbar's close: hidden to the tray, not ended.
    for (const auto& close : {std::pair<UINT, WPARAM>{WM_SYSCOMMAND, SC_CLOSE}, {WM_CLOSE, 0}}) {
        w.SendMessage(CMouseConfigurationDlg::kTrayNotification, 128, WM_LBUTTONDBLCLK);
        w.SendMessage(close.first, close.second, 0);
        Pump();
        EXPECT_TRUE(IsWindow(w.Hwnd())) << close.first;
        EXPECT_FALSE(w.IsWindowVisible()) << close.first;
        EXPECT_TRUE(w.GetExStyle() & WS_EX_TOOLWINDOW) << "it left the taskbar for the tray";
    }

    // Minimised with the minimise button, then the icon's double click: shown as it was.
    w.SendMessage(CMouseConfigurationDlg::kTrayNotification, 128, WM_LBUTTONDBLCLK);
    w.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    Pump();
    ASSERT_TRUE(IsIconic(w.Hwnd()));
    w.SendMessage(CMouseConfigurationDlg::kTrayNotification, 128, WM_LBUTTONDBLCLK);
    Pump();
    EXPECT_FALSE(IsIconic(w.Hwnd()));
    EXPECT_TRUE(w.IsWindowVisible());
    const RECT rect = w.GetWindowRect();
    EXPECT_EQ(rect.right - rect.left, MainWindowLayout::kFallbackWidth);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2);
}

TEST(MainWindow, ImageButtonsFollowThePointerAndActOnClicksOnly) {
    MainWindow main;
    CMouseConfigurationDlg& w = *main.window;
    w.PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
    Pump();
    const auto centre = [](const CPaintedButton& button) {
        const RECT r = button.Rect();
        return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    };
    const LPARAM header1 = centre(w.Controls().Header(1));
    const LPARAM background = MAKELPARAM(400, 560);
    struct Step {
        const char* what;
        UINT message;
        LPARAM at;
        bool hovered; // header 1 shows its hover look afterwards
        bool open;    // the button-assignment section is open afterwards
    };
    const Step steps[] = {
        {"the pointer comes onto header 1", WM_MOUSEMOVE, header1, true, false},
        {"it leaves the window", WM_MOUSELEAVE, 0, false, false},
        {"press on header 1", WM_LBUTTONDOWN, header1, true, false},
        {"release on it: a click", WM_LBUTTONUP, header1, true, true},
        {"a double click's second press is no click", WM_LBUTTONDBLCLK, header1, true, true},
        {"nor is its release", WM_LBUTTONUP, header1, true, true},
        {"press on header 1", WM_LBUTTONDOWN, header1, true, true},
        {"held off the button", WM_MOUSEMOVE, background, false, true},
        {"released off it: no click", WM_LBUTTONUP, background, false, true},
        {"back onto it", WM_MOUSEMOVE, header1, true, true},
        {"and a click closes the section", WM_LBUTTONDOWN, header1, true, true},
        {"", WM_LBUTTONUP, header1, true, false},
    };
    for (const Step& s : steps) {
        const WPARAM keys = s.message == WM_LBUTTONDOWN || s.message == WM_LBUTTONDBLCLK ? MK_LBUTTON : 0;
        w.SendMessage(s.message, keys, s.at);
        EXPECT_EQ(w.Controls().Header(1).IsHover(), s.hovered) << s.what;
        EXPECT_EQ(!w.Model().Layout().IsCollapsed(MainWindowLayout::ButtonAssignment), s.open) << s.what;
    }
}

TEST(MainWindow, LiftOffHelpShowsOnlyOverTheRightOfItsHeader) {
    MainWindow main;
    CMouseConfigurationDlg& w = *main.window;
    w.PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
    Pump();
    const RECT header = w.Controls().Header(4).Rect();
    struct Case {
        int x;
        bool shown;
    };
    // The help area starts 200 pixels into the header and ends 23 pixels before its right edge.
    const Case cases[] = {{header.left + 199, false},
                          {header.left + 200, true},
                          {header.right - 24, true},
                          {header.right - 23, false}};
    for (const Case& c : cases) {
        w.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(c.x, header.top + 5));
        EXPECT_EQ(w.HelpTip().Shown(), c.shown) << c.x - header.left;
    }
}

TEST(MainWindow, StartsWithoutHotPlugNotificationsOrReader) {
    RefusedDeviceNotifications refused;
    for (int refusal = 0; refusal < 2; ++refusal) {
        MainWindow::Setup setup;
        if (refusal == 0) {
            setup.notifications = &refused;
        } else {
            setup.readerThread = [](std::function<void()>) -> std::thread {
                throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
            };
        }
        MainWindow main(setup);
        EXPECT_NE(main.window->Controls().Header(4).CommandId(), 0U) << refusal << ": the window was built";
        EXPECT_TRUE(main.window->Tray().Shown()) << refusal << ": with its icon and its \"Exit\"";
        EXPECT_EQ(main.window->Controls().Header(1).GetCaption(), L"Button Assignment") << refusal;
    }
}

TEST(MainWindow, WithoutAUsableLanguageCodeTheWindowsLanguageChooses) {
    struct Case {
        std::string listText;
        std::uint16_t uiLanguage;
        const char* code;
        const wchar_t* header;
        const char* storedCode; // still in str.ini afterwards
    };
    const Case cases[] = {
        {"", 0x0407, "DE", nullptr, ""},                         // no profile list at all: German
        {"[Skins]\r\nLan=\r\n", 0x0804, "CHS", nullptr, ""},     // empty: Chinese (PRC)
        {"[Skins]\r\nLan=XX\r\n", 0x0404, "CHT", nullptr, "XX"}, // unknown: Chinese (Taiwan)
        {"[Profile]\r\nIsDefault=N\r\n", 0x040C, "EN", L"Button Assignment", ""}, // French: English
        {"[Skins]\r\nLan=DE\r\n", 0x0409, "DE", nullptr, "DE"},                   // a usable code stays
    };
    for (const Case& c : cases) {
        MainWindow::Setup setup;
        setup.listText = c.listText;
        setup.uiLanguage = c.uiLanguage;
        MainWindow main(setup);
        EXPECT_EQ(main.Services().Language.Code(), c.code) << c.listText;
        EXPECT_FALSE(main.window->Controls().Header(1).GetCaption().empty()) << c.listText;
        if (c.header != nullptr) {
            EXPECT_EQ(main.window->Controls().Header(1).GetCaption(), c.header);
        }
        // The choice is not written back.
        EXPECT_EQ(ini::IniFile(main.files, main.options.DataFolder + "str.ini").ReadString("Skins", "Lan"),
                  c.storedCode)
            << c.listText;
    }
}

// Corvalith.exe beside the tests' folder, started with the virtual mouse.
struct Program {
    Program() {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring exe(path);
        exe.resize(exe.find_last_of(L'\\') + 1); // the programs share one folder with the tests
        exe += L"Corvalith.exe";
        SetEnvironmentVariableW(L"CORVALITH_SIMULATE", L"1");
        // Its data folder and installation record stay in the test's own folder. Not a first
        // installation: no lift-off question stands in the way.
        const std::string record = "[SOFTWARE\\Corvalith]\r\nIsNewInstalled=N\r\nLOD-Switcher=OFF\r\n";
        Win32FileSystem().WriteFileAtomically(sandbox.Path() + "install.ini",
                                              std::vector<std::uint8_t>(record.begin(), record.end()));
        SetEnvironmentVariableW(L"CORVALITH_SANDBOX", WideString::FromUtf8(sandbox.Path()).c_str());
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring command = L"\"" + exe + L"\"";
        started = CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                 &startup, &process) != FALSE;
    }
    ~Program() {
        if (started) {
            if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process.hProcess, 1);
            }
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
        }
    }
    bool Exited(DWORD milliseconds) {
        return WaitForSingleObject(process.hProcess, milliseconds) == WAIT_OBJECT_0;
    }
    HWND Window() {
        for (int i = 0; i < 200; ++i) {
            HWND found = nullptr;
            std::pair<DWORD, HWND> args(process.dwProcessId, nullptr);
            EnumWindows(
                [](HWND hwnd, LPARAM data) -> BOOL {
                    auto* a = reinterpret_cast<std::pair<DWORD, HWND>*>(data);
                    DWORD owner = 0;
                    GetWindowThreadProcessId(hwnd, &owner);
                    wchar_t name[32] = {};
                    GetClassNameW(hwnd, name, 32);
                    if (owner == a->first && std::wstring(name) == L"HarloHCClass") {
                        a->second = hwnd;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&args));
            found = args.second;
            if (found != nullptr) {
                return found;
            }
            Sleep(50);
        }
        return nullptr;
    }

    test::TemporaryFolder sandbox;
    PROCESS_INFORMATION process{};
    bool started = false;
};

TEST(Program, OneCopyAtATimeAndExitReleasesIt) {
    Program first;
    ASSERT_TRUE(first.started);
    const HWND window = first.Window();
    ASSERT_NE(window, nullptr);

    Program second;
    ASSERT_TRUE(second.started);
    EXPECT_TRUE(second.Exited(10000)) << "a second copy ends at once";
    EXPECT_FALSE(first.Exited(0));
    EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(IsWindowVisible(window)) << "and the first stays hidden";

    // The icon menu's "Exit" is the cancel command.
    PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(first.Exited(20000));

    Program third;
    EXPECT_NE(third.Window(), nullptr) << "the mutex was released";
    PostMessageW(third.Window(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(third.Exited(20000));
}

} // namespace
} // namespace corvalith
