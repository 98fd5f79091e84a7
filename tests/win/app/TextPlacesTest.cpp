#include "assign/AssignmentCatalogue.h"
#include "assign/win/CSingleDialog.h"
#include "controls/win/CMenuWndHook.h"
#include "framework/TextDrawing.h"
#include "framework/WorldScale.h"
#include "macro/win/CMacroDialog.h"
#include "macro/win/CMacroProgramDialog.h"
#include "pages/win/CDlgToolTip.h"
#include "pages/win/CDlgWarning.h"
#include "pages/win/CSettingsPage.h"
#include "platform/win/WideString.h"
#include "profile/ConfigDialogLayout.h"
#include "win/support/MainWindowFixture.h"
#include "win/support/ModalScript.h"
#include "win/support/PixelSurface.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <sstream>

namespace corvalith {
namespace {

using test::MainWindow;
using test::ModalScript;
using test::Pump;

// Every window and page the program shows, each opened and painted whole.
enum class Window {
    MainTop,
    MainSide,
    SettingsPanel,
    ProfileManager,
    MacroManager,
    MacroChoice,
    KeyCapture,
    AssignmentMenu,
    Warning,
    ToolTip,
};

const char* NameOf(Window window) {
    switch (window) {
    case Window::MainTop:
        return "main window, top view";
    case Window::MainSide:
        return "main window, side view";
    case Window::SettingsPanel:
        return "settings panel";
    case Window::ProfileManager:
        return "profile manager";
    case Window::MacroManager:
        return "macro manager";
    case Window::MacroChoice:
        return "macro choice";
    case Window::KeyCapture:
        return "key capture";
    case Window::AssignmentMenu:
        return "assignment menu";
    case Window::Warning:
        return "lift-off notice";
    case Window::ToolTip:
        return "lift-off tip";
    }
    return "?";
}

// Collects every text drawn that needs more room than its place gives, once per window and text.
class MisfitRecorder : public ITextDrawObserver {
public:
    MisfitRecorder() { previous_ = TextDrawing::Observe(this); }
    MisfitRecorder(const MisfitRecorder&) = delete;
    MisfitRecorder& operator=(const MisfitRecorder&) = delete;
    ~MisfitRecorder() override { TextDrawing::Observe(previous_); }

    void OnTextDrawn(const DrawnText& text) override {
        Check(text.Text, text.Place, text.Extent);
        ++drawn_;
    }
    // A text a Win32 control draws itself: its window text in its font, against its client rectangle less
    // the box of a check box or option button.
    void CheckControl(HWND control) {
        wchar_t className[32] = {};
        ::GetClassNameW(control, className, 32);
        const LONG style = ::GetWindowLongW(control, GWL_STYLE);
        const LONG type = style & BS_TYPEMASK;
        const bool button = ::lstrcmpiW(className, L"Button") == 0;
        if ((!button && ::lstrcmpiW(className, L"Static") != 0) || (button && type == BS_OWNERDRAW) ||
            !::IsWindowVisible(control)) {
            return;
        }
        const int length = ::GetWindowTextLengthW(control);
        if (length == 0) {
            return;
        }
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        text.resize(static_cast<std::size_t>(::GetWindowTextW(control, text.data(), length + 1)));
        RECT place{};
        ::GetClientRect(control, &place);
        if (button && (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                       type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE)) {
            place.left += ::GetSystemMetrics(SM_CXMENUCHECK) + kCheckGap;
        }
        const HDC dc = ::GetDC(control);
        const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
        const HGDIOBJ previous = ::SelectObject(dc, font != nullptr ? font : ::GetStockObject(SYSTEM_FONT));
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        ::SelectObject(dc, previous);
        ::ReleaseDC(control, dc);
        Check(text, place, extent);
    }
    void CheckControlsOf(HWND parent) {
        ::EnumChildWindows(
            parent,
            [](HWND child, LPARAM self) {
                reinterpret_cast<MisfitRecorder*>(self)->CheckControl(child);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(this));
    }

    std::string window = "(none)";
    std::vector<std::string> misfits;
    int Drawn() const { return drawn_; }

private:
    // Between a check box and its text.
    static constexpr int kCheckGap = 3;

    void Check(std::wstring_view text, const RECT& place, const SIZE& extent) {
        const int width = place.right - place.left;
        const int height = place.bottom - place.top;
        if (extent.cx <= width && extent.cy <= height) {
            return;
        }
        const std::string words = WideString::ToUtf8(std::wstring(text));
        if (!seen_.insert(window + "\n" + words).second) {
            return;
        }
        std::ostringstream line;
        line << window << ": \"" << words << "\" needs " << extent.cx << " x " << extent.cy << ", has "
             << width << " x " << height;
        misfits.push_back(line.str());
    }

    ITextDrawObserver* previous_ = nullptr;
    std::set<std::string> seen_;
    int drawn_ = 0;
};

// Paints a window and its children now.
void Paint(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void PressKey(HWND popup, UINT key, int times = 1) {
    for (int i = 0; i < times; ++i) {
        ::PostMessageW(popup, WM_KEYDOWN, key, 1);
        ::PostMessageW(popup, WM_KEYUP, key, 0xC0000001);
    }
}

// The popup menu shown last (the deepest open submenu).
HWND ShownPopup() {
    return ::FindWindowW(L"#32768", nullptr);
}

// A click at a logical client point of a dialog shown at a scale.
std::function<void(HWND)> ClickingAt(const DisplayScale& scale, int x, int y) {
    return [x = scale.ToDevice(x), y = scale.ToDevice(y)](HWND dialog) { test::ClickAt(dialog, x, y); };
}

// Runs a modal window that `open` opens: once it is up (the timer's first ticks may come before), it is
// painted, its controls measured and it is closed with `close`.
void RunModal(MisfitRecorder& recorder, const wchar_t* title, const std::function<void(HWND)>& close,
              const std::function<void()>& open) {
    constexpr std::size_t kTicks = 100;
    bool done = false;
    std::size_t ticks = 0;
    const auto step = [&] {
        const HWND dialog = ::FindWindowW(nullptr, title);
        if (++ticks == kTicks && !done && dialog != nullptr) {
            ::PostMessageW(dialog, WM_CLOSE, 0, 0); // never shown: the test goes on
        }
        if (done || dialog == nullptr || !::IsWindowVisible(dialog)) {
            return;
        }
        done = true;
        Paint(dialog);
        recorder.CheckControlsOf(dialog);
        close(dialog);
    };
    ModalScript script(std::vector<std::function<void()>>(kTicks, step));
    open();
    Pump();
    EXPECT_TRUE(done) << recorder.window << ": did not open";
}

void Open(Window window, MainWindow& main, MisfitRecorder& recorder) {
    CMouseConfigurationDlg& dlg = *main.window;
    const DisplayScale& scale = dlg.Scale();
    switch (window) {
    case Window::MainTop:
    case Window::MainSide:
        dlg.SelectView(window == Window::MainTop ? 1 : 2);
        for (const auto section : {MainWindowLayout::ButtonAssignment, MainWindowLayout::AxisSensitivity,
                                   MainWindowLayout::LiftOff}) {
            dlg.ToggleSection(section, false);
            Pump();
            Paint(dlg.Hwnd());
        }
        recorder.CheckControlsOf(dlg.Hwnd());
        break;
    case Window::SettingsPanel: {
        CDlgadvance& panel = *dlg.Panel().Panel();
        Paint(panel.Hwnd());
        for (int section = 1; section <= AdvancedPanelLayout::kSections; ++section) {
            auto* page = dynamic_cast<CSettingsPage*>(&panel.Page(section));
            ASSERT_NE(page, nullptr) << section;
            // Painted onto a surface of the monitor's pixels, at the page's scale.
            const RECT client = page->ToDevice(page->GetClientRect());
            test::PixelSurface surface(std::max<int>(client.right, 1), std::max<int>(client.bottom, 1));
            WorldScale::Apply(surface.Dc(), page->Scale());
            page->PaintTo(surface.Dc());
        }
        break;
    }
    case Window::ProfileManager:
        dlg.OpenProfileManager();
        Pump();
        ASSERT_NE(dlg.Profiles().Dialog(), nullptr);
        Paint(dlg.Profiles().Dialog()->Hwnd());
        recorder.CheckControlsOf(dlg.Profiles().Dialog()->Hwnd());
        // Closed on the first entry, so the other windows open over the main window as a user finds it.
        dlg.Profiles().Dialog()->List().SetCurSel(0);
        test::ClickAt(dlg.Profiles().Dialog()->Hwnd(),
                      scale.ToDevice(ConfigDialogLayout::kCloseArea.Left + 5),
                      scale.ToDevice(ConfigDialogLayout::kCloseArea.Top + 5));
        Pump();
        break;
    case Window::MacroManager:
        RunModal(recorder, CMacroProgramDialog::kTitle, ClickingAt(scale, 380, 408),
                 [&] { test::ClickButton(dlg, dlg.Controls().Header(2)); });
        break;
    case Window::MacroChoice:
    case Window::KeyCapture: {
        // The dialogs work on the selected button: a row is chosen by opening its menu and closing it.
        {
            ModalScript close({[] { ::EndMenu(); }});
            test::ClickButton(dlg, dlg.Controls().DropDown(2));
            Pump();
        }
        const bool choice = window == Window::MacroChoice;
        // Each closed by its Cancel button.
        RunModal(recorder, choice ? CMacroDialog::kTitle : CSingleDialog::kTitle,
                 ClickingAt(scale, choice ? 343 : 346, 262), [&] {
                     dlg.SendMessage(WM_COMMAND,
                                     choice ? AssignmentCatalogue::kMacroCommand
                                            : AssignmentCatalogue::kSingleKeyCommand,
                                     0);
                 });
        break;
    }
    case Window::AssignmentMenu: {
        // The menu and each of its four submenus (the items above them lead nowhere further).
        std::vector<std::function<void()>> steps{[] { PressKey(ShownPopup(), VK_DOWN, 8); },
                                                 [] { PressKey(ShownPopup(), VK_RIGHT); }, [] {}};
        for (int submenu = 1; submenu < 4; ++submenu) {
            steps.push_back([] {
                const HWND popup = ShownPopup();
                PressKey(popup, VK_LEFT);
                PressKey(popup, VK_DOWN);
                PressKey(popup, VK_RIGHT);
            });
            steps.push_back([] {});
        }
        steps.push_back([] { ::EndMenu(); });
        ModalScript script(steps);
        test::ClickButton(dlg, dlg.Controls().DropDown(2));
        Pump();
        EXPECT_TRUE(script.Finished()) << recorder.window;
        break;
    }
    case Window::Warning: {
        CDlgWarning warning(main.Services().Skins, main.Services().Language, &dlg);
        RunModal(
            recorder, CDlgWarning::kTitle, [&](HWND) { test::Click(warning.CancelButton().Hwnd()); },
            [&] { warning.DoModal(); });
        break;
    }
    case Window::ToolTip: {
        CDlgToolTip tip(main.Services().Language, &dlg);
        ASSERT_TRUE(tip.Create());
        tip.ShowAt(POINT{100, 100});
        Paint(tip.Hwnd());
        tip.DestroyWindow();
        break;
    }
    }
}

// Every text the program draws, in each language, each window and page, fits its place: none is cut or
// shortened to an ellipsis, none runs into its neighbour. The windows are painted with the skins the build
// draws and the fonts the program chooses, at a display scale, and each text is measured in the font it is
// drawn with, in the logical units it is drawn in.
void ExpectEveryTextFitsAt(int scalePercent) {
    const char* languages[] = {"EN", "DE", "CHS", "CHT"};
    const Window windows[] = {Window::MainTop,        Window::MainSide,       Window::SettingsPanel,
                              Window::ProfileManager, Window::MacroManager,   Window::MacroChoice,
                              Window::KeyCapture,     Window::AssignmentMenu, Window::Warning,
                              Window::ToolTip};
    ASSERT_TRUE(CMenuWndHook::Install()); // the program frames its menus from its start
    MisfitRecorder recorder;
    std::unique_ptr<MainWindow> main;
    for (const char* language : languages) {
        // The program as a fresh installation in the language lays it down, beside the build's skins.
        main.reset();
        MainWindow::Setup setup;
        setup.listText = std::string("[Skins]\r\nLan=") + language + "\r\n";
        setup.programFolder = CMouseConfigurationApp::ProgramFolder();
        setup.dpi = scalePercent * DisplayScale::kBaseDpi / 100;
        main = std::make_unique<MainWindow>(setup);
        main->window->PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
        Pump();
        for (const Window window : windows) {
            recorder.window =
                std::string(NameOf(window)) + " (" + language + ", " + std::to_string(scalePercent) + " %)";
            const int drawnBefore = recorder.Drawn();
            Open(window, *main, recorder);
            EXPECT_GT(recorder.Drawn(), drawnBefore) << recorder.window << ": no text was drawn";
        }
    }
    main.reset();
    CMenuWndHook::Uninstall();
    std::string report;
    for (const std::string& misfit : recorder.misfits) {
        report += misfit + "\n";
    }
    EXPECT_EQ(report, "");
}

// One test a scale, so that the four run side by side.
TEST(TextPlaces, EveryTextFitsItsPlaceInEveryLanguageAt100Percent) {
    ExpectEveryTextFitsAt(100);
}

TEST(TextPlaces, EveryTextFitsItsPlaceInEveryLanguageAt125Percent) {
    ExpectEveryTextFitsAt(125);
}

TEST(TextPlaces, EveryTextFitsItsPlaceInEveryLanguageAt150Percent) {
    ExpectEveryTextFitsAt(150);
}

TEST(TextPlaces, EveryTextFitsItsPlaceInEveryLanguageAt200Percent) {
    ExpectEveryTextFitsAt(200);
}

} // namespace
} // namespace corvalith
