#include "framework/WorldScale.h"
#include "pages/win/CDlgadvance.h"
#include "profile/ProfileFile.h"
#include "skin/SkinFileNames.h"
#include "skin/win/CSkinScrollWnd.h"
#include "win/support/MainWindowFixture.h"
#include "win/support/PixelSurface.h"
#include "win/support/TestSkinFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace corvalith {
namespace {

using test::MainWindow;
using test::Pump;

void Press(HWND window, int x, int y) {
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    Pump();
}

// A drag on a slider ending at a point in the slider's own coordinates.
void Drag(CMarkerSlider& slider, int x, int y) {
    slider.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    slider.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    Pump();
}

void ClickHeader(CDlgadvance& panel, int section) {
    test::ClickButton(panel, panel.Header(section));
    Pump();
}

// Enter typed into a stage's edit box, as the message loop delivers it.
void TypeAndEnter(CDlgDPISetting& page, int stage, const wchar_t* text) {
    CEdit& edit = page.Edit(stage);
    edit.SetWindowText(text);
    edit.PostMessage(WM_KEYDOWN, VK_RETURN, 0);
    edit.PostMessage(WM_KEYUP, VK_RETURN, 0xC0000001);
    Pump();
}

// A click on a stage's value label: opens its edit box.
void OpenEditor(CDlgDPISetting& page, int stage) {
    Press(page.Hwnd(), 20 + 30 * stage, 185);
}

std::vector<std::string> Frames(MainWindow& main, std::size_t mark, const std::string& command) {
    std::vector<std::string> found;
    for (const std::string& line : main.TraceFrom(mark)) {
        if (line.rfind("set-feature 00 " + command + " ", 0) == 0) {
            found.push_back(line);
        }
    }
    return found;
}

std::size_t Mark(MainWindow& main) {
    return main.Services().Trace().Lines().size();
}

TEST(SettingsPanel, StandsInTheRightColumnWithItsHeadersAndClearsTheSelection) {
    MainWindow main;
    CDlgadvance& panel = *main.window->Panel().Panel();
    ASSERT_NE(panel.Frame(), nullptr);
    EXPECT_EQ(CSkinScrollWnd::FrameOf(panel.Hwnd()), panel.Frame());
    const RECT frame = panel.Frame()->GetRectInParent();
    EXPECT_EQ(frame.left, 735);
    EXPECT_EQ(frame.top, 32);
    const int tops[] = {2, 27, 0, 52, 77, 102, 127, 152};
    for (int section = 1; section <= 8; ++section) {
        const bool shown = section != 3 && section != 8;
        EXPECT_EQ(panel.Header(section).IsShown(), shown) << section;
        EXPECT_FALSE(panel.Page(section).GetStyle() & WS_VISIBLE) << section;
        if (section != 3) {
            EXPECT_EQ(panel.Header(section).Rect().top, tops[section - 1]) << section;
        }
    }
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    ::GetScrollInfo(panel.Hwnd(), SB_VERT, &info);
    EXPECT_EQ(info.nMax, 562); // the range is its minimum, 563
    EXPECT_EQ(panel.Dpi().Model().Mode(), DpiScale::StepMode::Coarse) << "the mouse was found";

    // A header click opens its section and clears the selected button row; so does the background.
    main.window->SelectRow(2);
    ASSERT_NE(main.window->Model().SelectedSlot(), -1);
    ClickHeader(panel, 1);
    EXPECT_EQ(main.window->Model().SelectedSlot(), -1);
    EXPECT_TRUE(panel.Page(1).GetStyle() & WS_VISIBLE);
    main.window->SelectRow(2);
    Press(panel.Hwnd(), 250, 500);
    EXPECT_EQ(main.window->Model().SelectedSlot(), -1);

    // A restore closes every section again.
    main.window->Restore();
    Pump();
    EXPECT_TRUE(panel.Layout().IsCollapsed(1));
    EXPECT_FALSE(panel.Page(1).GetStyle() & WS_VISIBLE);
}

// The window starts hidden and is shown later by the show request: the panel has to come up with it.
TEST(SettingsPanel, ShowsAndPaintsWhenTheHiddenMainWindowIsShown) {
    constexpr COLORREF kPanelColour = RGB(10, 160, 30);
    test::TestSkinFolder folder;
    ASSERT_TRUE(folder.WriteImage(SkinFileNames::InSkins(SkinFileNames::kMainRight), 260, 563, kPanelColour));
    MainWindow::Setup setup;
    setup.programFolder = folder.ProgramFolder();
    MainWindow main(setup);
    CDlgadvance& panel = *main.window->Panel().Panel();
    ASSERT_FALSE(main.window->IsWindowVisible());

    main.window->PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
    Pump();
    ASSERT_TRUE(main.window->IsWindowVisible());
    ::UpdateWindow(main.window->Hwnd());
    ::RedrawWindow(main.window->Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(panel.Frame()->IsWindowVisible());
    EXPECT_TRUE(panel.IsWindowVisible());
    for (const int section : {1, 2, 4, 5, 6, 7}) {
        EXPECT_TRUE(panel.Header(section).IsShown()) << section;
    }

    // Below the headers the column shows the panel's own background, not the main window's.
    test::PixelSurface surface(260, 561);
    const HDC window = ::GetDC(main.window->Hwnd());
    ::BitBlt(surface.Dc(), 0, 0, 260, 561, window, 735, 32, SRCCOPY);
    ::ReleaseDC(main.window->Hwnd(), window);
    for (const POINT at : {POINT{10, 200}, POINT{120, 400}, POINT{200, 550}}) {
        EXPECT_EQ(surface.Pixel(at.x, at.y), kPanelColour) << at.x << ", " << at.y;
    }
}

// The colours a page paints inside each of its swatches, sampled at the four pixels just inside the corners
// and at the centre: CLR_INVALID when they differ.
std::vector<COLORREF> SwatchFills(CSettingsPage& page, const std::vector<Rect>& swatches) {
    // The test's skin folder has no page backgrounds to size the pages by.
    ::SetWindowPos(page.Hwnd(), nullptr, 0, 0, 260, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT client = page.GetClientRect();
    test::PixelSurface surface(client.right, client.bottom);
    page.PaintTo(surface.Dc());
    std::vector<COLORREF> fills;
    for (const Rect& s : swatches) {
        const COLORREF centre = surface.Pixel((s.Left + s.Right) / 2, (s.Top + s.Bottom) / 2);
        bool even = true;
        for (const POINT at : {POINT{s.Left, s.Top}, POINT{s.Right - 1, s.Top}, POINT{s.Left, s.Bottom - 1},
                               POINT{s.Right - 1, s.Bottom - 1}}) {
            even = even && surface.Pixel(at.x, at.y) == centre;
        }
        fills.push_back(even ? centre : CLR_INVALID);
    }
    return fills;
}

TEST(SettingsPanel, SwatchesShowTheStageAndPaletteColours) {
    MainWindow main;
    ProfileSettings& p = main.Services().Session.Working;
    CDlgadvance& panel = *main.window->Panel().Panel();
    const Rgb colours[] = {{255, 0, 0},   {0, 0, 255},   {0, 255, 0},  {255, 255, 0},
                           {0, 255, 255}, {255, 128, 0}, {255, 0, 255}};
    for (int i = 0; i < 7; ++i) {
        p.DpiStageColors[i] = colours[i];
        if (i < 5) {
            p.MouseColors[i] = colours[6 - i];
        }
    }
    std::vector<Rect> stages;
    std::vector<COLORREF> stageColours;
    for (int stage = 0; stage < 7; ++stage) {
        stages.push_back(DpiPageModel::SwatchRect(stage));
        const Rgb c = colours[stage];
        stageColours.push_back(RGB(c.Red, c.Green, c.Blue));
    }
    EXPECT_EQ(SwatchFills(panel.Dpi(), stages), stageColours);
    std::vector<Rect> palette;
    std::vector<COLORREF> paletteColours;
    for (int swatch = 0; swatch < 5; ++swatch) {
        palette.push_back(LightingPageModel::Swatch(LightingPageModel::Target::Mouse, swatch));
        const Rgb c = colours[6 - swatch];
        paletteColours.push_back(RGB(c.Red, c.Green, c.Blue));
    }
    EXPECT_EQ(SwatchFills(panel.Lighting(), palette), paletteColours);
}

TEST(SettingsPanel, DpiSliderSendsTheDpiUploadOfItsNewCode) {
    MainWindow main;
    ProfileSettings& p = main.Services().Session.Working;
    const std::uint8_t codes[] = {4, 8, 12, 16, 20, 24, 28};
    for (int stage = 0; stage < 7; ++stage) {
        p.DpiValuesB[stage] = codes[stage];
        p.DpiStageEnabled[stage] = 1;
    }
    CDlgDPISetting& page = main.window->Panel().Panel()->Dpi();
    page.LoadFromProfile();
    ASSERT_EQ(main.Mouse().State().CurrentStage, 1);
    const std::size_t mark = Mark(main);
    // Stage 2's slider (55, 3)-(62, 173), range 1..120: released 42 pixels above its bottom gives
    // 119 * 42 / 170 + 1 = 30.
    Drag(page.Slider(1), 3, 128);
    EXPECT_EQ(p.DpiValuesB[1], 30);
    // 08: B4 - 1, B5 - 1, B6 - 1 = 13 17 1b; 07: stage 1, mask ff, B0 - 1 .. B3 - 1 = 03 1d 0b 0f.
    EXPECT_EQ(Frames(main, mark, "08"), (std::vector<std::string>{"set-feature 00 08 13 17 1b 00 00 00 b2"}));
    EXPECT_EQ(Frames(main, mark, "07"), (std::vector<std::string>{"set-feature 00 07 01 ff 03 1d 0b 0f be"}));
    EXPECT_EQ(main.Mouse().State().StageCodes, (std::array<std::uint8_t, 7>{3, 29, 11, 15, 19, 23, 27}));
    EXPECT_EQ(main.Services().Session.AppliedSnapshot.DpiValuesB[1], 30);
}

TEST(SettingsPanel, TypedDpiValuesAreCommittedOncePerChange) {
    struct Case {
        const char* name;
        bool unplugged; // step mode 0 until the mouse is found
        int stage;
        const wchar_t* text;
        int code;
    };
    const Case cases[] = {
        {"7225 in step mode 0", true, 2, L"7225", 144},
        {"850 in step mode 1", false, 2, L"850", 8},
        {"above the range in step mode 1", false, 0, L"99999", 120},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MainWindow main(false, c.unplugged);
        CDlgDPISetting& page = main.window->Panel().Panel()->Dpi();
        const std::size_t mark = Mark(main);
        OpenEditor(page, c.stage);
        EXPECT_TRUE(page.Edit(c.stage).GetStyle() & WS_VISIBLE);
        TypeAndEnter(page, c.stage, c.text);
        const ProfileSettings& p = main.Services().Session.Working;
        EXPECT_EQ(c.unplugged ? p.DpiValuesA[c.stage] : p.DpiValuesB[c.stage], c.code);
        EXPECT_FALSE(page.Edit(c.stage).GetStyle() & WS_VISIBLE);
        // A click elsewhere on the page afterwards commits nothing more.
        Press(page.Hwnd(), 240, 100);
        EXPECT_EQ(Frames(main, mark, "07").size(), c.unplugged ? 0u : 1u) << "one change, one upload";
    }
}

TEST(SettingsPanel, EachStageKeepsItsOwnTypedTextAndASliderMoveDropsIt) {
    MainWindow main;
    CDlgDPISetting& page = main.window->Panel().Panel()->Dpi();
    const ProfileSettings& p = main.Services().Session.Working;
    std::size_t mark = Mark(main);
    OpenEditor(page, 1);
    TypeAndEnter(page, 1, L"3000");
    OpenEditor(page, 3);
    TypeAndEnter(page, 3, L"3000");
    EXPECT_EQ(p.DpiValuesB[1], 30);
    EXPECT_EQ(p.DpiValuesB[3], 30);
    EXPECT_EQ(Frames(main, mark, "07").size(), 2u);

    // Typed, then the slider moved: the slider's value stays, the next click commits nothing.
    mark = Mark(main);
    OpenEditor(page, 2);
    page.Edit(2).SetWindowText(L"5000");
    Drag(page.Slider(2), 3, 128); // 42 pixels above the bottom: 30
    Press(page.Hwnd(), 240, 100);
    EXPECT_EQ(p.DpiValuesB[2], 30);
    Drag(page.Slider(2), 3, 0); // the top: 120
    Press(page.Hwnd(), 240, 100);
    EXPECT_EQ(p.DpiValuesB[2], 120);
    EXPECT_EQ(Frames(main, mark, "07").size(), 2u);
}

TEST(SettingsPanel, DisabledStagesAndTheColourChooser) {
    MainWindow main;
    ProfileSettings& p = main.Services().Session.Working;
    p.DpiStageEnabled[3] = 0;
    p.DpiStageColors[2] = {1, 2, 3};
    CDlgDPISetting& page = main.window->Panel().Panel()->Dpi();
    page.LoadFromProfile();
    std::size_t mark = Mark(main);

    Press(page.Hwnd(), 25 + 90 + 2, 217); // the disabled stage's swatch: no chooser
    EXPECT_TRUE(main.prompts.questions.empty());
    Press(page.Hwnd(), 25 + 60 + 2, 217); // stage 2's swatch, cancelled
    ASSERT_EQ(main.prompts.questions.size(), 1u);
    EXPECT_EQ(p.DpiStageColors[2], (Rgb{1, 2, 3}));
    EXPECT_EQ(main.TraceFrom(mark), std::vector<std::string>{}) << "a cancelled chooser sends nothing";

    main.prompts.colourAnswers.push_back(Rgb{0x10, 0x20, 0x30});
    Press(page.Hwnd(), 25 + 60 + 2, 217);
    EXPECT_EQ(p.DpiStageColors[2], (Rgb{0x10, 0x20, 0x30}));
    EXPECT_EQ(Frames(main, mark, "07").size(), 1u);
    const auto& colours = main.Mouse().State().StageColours;
    EXPECT_EQ(std::vector<int>(colours.begin() + 6, colours.begin() + 9),
              (std::vector<int>{0x10, 0x20, 0x30}));

    // The disabled stage's slider enables it.
    Drag(page.Slider(3), 3, 0);
    EXPECT_EQ(p.DpiStageEnabled[3], 1);
    EXPECT_EQ(p.DpiValuesB[3], 120);
}

TEST(SettingsPanel, PollingRateDialRings) {
    struct Case {
        const char* name;
        int dx, dy; // from the dial's centre (121, 66)
        std::vector<std::string> frames;
        int rate; // from 4
    };
    const Case cases[] = {
        {"distance 34", 16, -30, {}, 4},
        {"distance 35, 1000 Hz", 21, -28, {"set-feature 00 01 01 02 00 01 00 00 fa"}, 1},
        {"distance 64 on the axis keeps 250 Hz", 0, -64, {"set-feature 00 01 04 02 00 01 00 00 f7"}, 4},
        {"distance 65", -25, 60, {}, 4},
        {"125 Hz", -30, -40, {"set-feature 00 01 08 02 00 01 00 00 f3"}, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MainWindow main;
        main.Services().Session.Working.ReportRate = 4;
        const std::size_t mark = Mark(main);
        Press(main.window->Panel().Panel()->PollingRate().Hwnd(), 121 + c.dx, 66 + c.dy);
        EXPECT_EQ(Frames(main, mark, "01"), c.frames);
        EXPECT_EQ(main.Services().Session.Working.ReportRate, c.rate);
    }
    // A profile without a rate shows 500 Hz and stores it.
    MainWindow main;
    main.Services().Session.Working.ReportRate = 0;
    CDlgadvance& panel = *main.window->Panel().Panel();
    ClickHeader(panel, 4);
    panel.PollingRate().SendMessage(WM_PAINT); // the window is hidden: no paint comes by itself
    EXPECT_EQ(main.Services().Session.Working.ReportRate, 2);
}

TEST(SettingsPanel, PointerPagesSetTheWindowsSettings) {
    struct Case {
        const char* name;
        int dx, dy; // from the gauge's centre (121, 91)
        int level;
        int speed;
        int doubleClickTime;
    };
    const Case cases[] = {
        {"far left", -50, 0, 1, 1, 900},
        {"170 degrees", -50, -9, 2, 2, 830},
        {"straight up", 0, -50, 7, 12, 480},
        {"far right", 50, 0, 11, 20, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MainWindow main;
        CDlgadvance& panel = *main.window->Panel().Panel();
        Press(panel.MouseSpeed().Hwnd(), 121 + c.dx, 91 + c.dy);
        EXPECT_EQ(main.Services().Session.Working.PointerSpeed, c.level);
        EXPECT_EQ(main.mouseSettings.LastSpeed(), c.speed);
        Press(panel.DoubleClick().Hwnd(), 121 + c.dx, 91 + c.dy);
        EXPECT_EQ(main.mouseSettings.LastDoubleClickTime(), c.doubleClickTime);
    }

    MainWindow main;
    CDlgMouseWheelSpeed& wheel = main.window->Panel().Panel()->WheelSpeed();
    ProfileSettings& p = main.Services().Session.Working;
    Press(wheel.Hwnd(), 10, 55); // "Scroll One screenn"
    EXPECT_EQ(main.mouseSettings.LastWheelScrollLines(), 0xFFFFFFFFu);
    EXPECT_FALSE(wheel.LinesBox().IsWindowEnabled());
    Press(wheel.Hwnd(), 10, 20); // "Number of Rows"
    EXPECT_TRUE(wheel.LinesBox().IsWindowEnabled());
    wheel.LinesBox().SetWindowText(L"0");
    EXPECT_EQ(wheel.LinesBox().GetWindowText(), L"1");
    wheel.LinesBox().SetWindowText(L"101");
    EXPECT_EQ(wheel.LinesBox().GetWindowText(), L"1");
    wheel.LinesBox().SetWindowText(L"42");
    EXPECT_EQ(p.ScrollLines, 42);
    Press(wheel.Hwnd(), 100, 60);
    EXPECT_EQ(main.mouseSettings.LastWheelScrollLines(), 42u);
}

// Hidden in the tray the panel's scroll frame runs no timer, so the hidden program wakes for nothing; a
// show starts it again.
TEST(SettingsPanel, NoTimerRunsWhileTheWindowIsHidden) {
    MainWindow main;
    CMouseConfigurationDlg& w = *main.window;
    w.PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
    Pump();
    CSkinScrollWnd* frame = w.Panel().Panel()->Frame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->SyncTimerRunning());
    w.HideToTray();
    for (int round = 0; round < 100 && frame->SyncTimerRunning(); ++round) {
        Pump(); // a tick of the timer finds the window hidden
    }
    EXPECT_FALSE(frame->SyncTimerRunning());
    w.PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
    Pump();
    EXPECT_TRUE(frame->SyncTimerRunning());
}

// The gauges' levels are saved with the profile: a show, which reads the stored profile again, keeps them
// and leaves Windows with the same settings.
TEST(SettingsPanel, PointerLevelsSurviveAShow) {
    MainWindow main;
    CMouseConfigurationDlg& w = *main.window;
    CDlgadvance& panel = *w.Panel().Panel();
    Press(panel.MouseSpeed().Hwnd(), 121 + 50, 91);  // far right: level 11
    Press(panel.DoubleClick().Hwnd(), 121 - 50, 91); // far left: level 1
    w.HideToTray();
    w.PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
    Pump();

    const ProfileSettings& p = main.Services().Session.Working;
    EXPECT_EQ(p.PointerSpeed, 11);
    EXPECT_EQ(p.DoubleClickSpeed, 1);
    const auto stored = main.files.ReadFile(main.options.DataFolder + "config0.bin", ProfileFile::kSize);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ((*stored)[1 + 163], 11); // PointerSpeed, after the marker byte
    EXPECT_EQ((*stored)[1 + 165], 1);  // DoubleClickSpeed
    EXPECT_EQ(main.mouseSettings.LastSpeed(), 20);
    EXPECT_EQ(main.mouseSettings.LastDoubleClickTime(), 900);
}

TEST(SettingsPanel, LightingPagesAnnounceOnlyTheMouse) {
    MainWindow main;
    ProfileSettings& p = main.Services().Session.Working;
    p.MouseColorIndex = 0;
    CDlgadvance& panel = *main.window->Panel().Panel();
    std::size_t mark = Mark(main);
    Press(panel.Lighting().Hwnd(), 12, 52); // "Respiration"
    EXPECT_EQ(p.MouseLightMode, 2);
    EXPECT_EQ(Frames(main, mark, "06").size(), 1u);
    ASSERT_NE(panel.Lighting().Slider(2), nullptr);
    EXPECT_TRUE(panel.Lighting().Slider(2)->IsWindowEnabled());
    EXPECT_FALSE(panel.Lighting().Slider(1)->IsWindowEnabled());

    // The right end of the slider (128 pixels wide, 1..6) is level 6: 06 01 00 32 (12 - 6), one colour.
    mark = Mark(main);
    Drag(*panel.Lighting().Slider(2), 128, 4);
    EXPECT_EQ(p.MouseLightParams[1], 6);
    EXPECT_EQ(Frames(main, mark, "06"), (std::vector<std::string>{"set-feature 00 06 01 00 32 06 00 00 c0"}));

    // The pad page changes the profile and sends nothing.
    mark = Mark(main);
    Press(panel.PadLighting().Hwnd(), 12, 23); // "Standard"
    EXPECT_EQ(p.PadLightMode, 1);
    Drag(*panel.PadLighting().Slider(1), 128, 4);
    EXPECT_EQ(p.PadLightParams[0], 6);
    EXPECT_EQ(main.TraceFrom(mark), std::vector<std::string>{});
}

// The multi-colour swatch (210,166 to 228,183) shows the 18 x 16 colour wheel at 100 % and, at 200 %, the
// wheel of twice the pixels, each copied pixel for pixel to the swatch's top left corner.
TEST(SettingsPanel, TheColourWheelIsDrawnPixelForPixelFromThePictureOfItsScale) {
    struct Case {
        int dpi;
        int bitmap;
    };
    for (const Case& c : {Case{96, 148}, Case{192, 149}}) {
        MainWindow::Setup setup;
        setup.dpi = c.dpi;
        MainWindow main(setup);
        CLightingPage& page = main.window->Panel().Panel()->Lighting();
        // The test's skin folder has no page backgrounds to size the pages by.
        page.SetWindowPos(nullptr, 0, 0, 260, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        const RECT client = page.ToDevice(page.GetClientRect());
        test::PixelSurface surface(client.right, client.bottom);
        WorldScale::Apply(surface.Dc(), page.Scale());
        page.PaintTo(surface.Dc());

        const HBITMAP wheel = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(c.bitmap));
        ASSERT_NE(wheel, nullptr) << c.dpi;
        BITMAP size{};
        ::GetObjectW(wheel, sizeof size, &size);
        const HDC source = ::CreateCompatibleDC(nullptr);
        const HGDIOBJ previous = ::SelectObject(source, wheel);
        const int left = 210 * c.dpi / 96;
        const int top = 166 * c.dpi / 96;
        int different = 0;
        for (int y = 0; y < size.bmHeight; ++y) {
            for (int x = 0; x < size.bmWidth; ++x) {
                different += surface.Pixel(left + x, top + y) != ::GetPixel(source, x, y) ? 1 : 0;
            }
        }
        ::SelectObject(source, previous);
        ::DeleteDC(source);
        ::DeleteObject(wheel);
        EXPECT_EQ(different, 0) << c.dpi;
    }
}

TEST(SettingsPanel, DpiPageTakesTheMouseScaleWhenTheMouseArrives) {
    MainWindow main(false, true);
    CDlgDPISetting& page = main.window->Panel().Panel()->Dpi();
    EXPECT_EQ(page.Model().Mode(), DpiScale::StepMode::Fine);
    EXPECT_EQ(page.Slider(0).Maximum(), 180);
    main.Mouse().Plug();
    Pump();
    EXPECT_EQ(page.Model().Mode(), DpiScale::StepMode::Coarse);
    EXPECT_EQ(page.Slider(0).Maximum(), 120);
}

// A show reads the stored profile again, and the settings pages follow it: a DPI stage changed in the file
// while the window waited in the tray stands at its new code once the show has been handled.
TEST(SettingsPanel, AShowBringsTheStoredProfileToThePages) {
    MainWindow main;
    CMouseConfigurationDlg& w = *main.window;
    w.PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
    Pump();
    CDlgDPISetting& page = w.Panel().Panel()->Dpi();
    ASSERT_EQ(page.Model().Mode(), DpiScale::StepMode::Coarse);
    w.HideToTray();

    const std::string path = main.options.DataFolder + "config0.bin";
    const auto stored = main.files.ReadFile(path, ProfileFile::kSize);
    ASSERT_TRUE(stored.has_value());
    std::vector<std::uint8_t> changed = *stored;
    constexpr std::size_t kFirstCoarseCode = 1 + 15; // after the marker byte, DpiValuesB[0]
    const std::uint8_t code = changed[kFirstCoarseCode] == 37 ? 38 : 37;
    changed[kFirstCoarseCode] = code;
    ASSERT_EQ(main.files.WriteFileAtomically(path, changed), 0);

    w.PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
    Pump();
    EXPECT_EQ(page.Slider(0).Position(), code);
}

} // namespace
} // namespace corvalith
