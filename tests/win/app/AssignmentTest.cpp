#include "assign/win/CSingleDialog.h"
#include "controls/win/CExMenu.h"
#include "controls/win/CMenuWndHook.h"
#include "macro/win/CMacroDialog.h"
#include "macro/win/CMacroProgramDialog.h"
#include "platform/win/Win32KeyboardHook.h"
#include "skin/SkinFileNames.h"
#include "win/support/MainWindowFixture.h"
#include "win/support/ModalScript.h"
#include "win/support/PopupMenus.h"
#include "win/support/TestSkinFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace corvalith {
namespace {

using test::ClickAt;
using test::MainWindow;
using test::ModalScript;
using test::Pump;
using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::string>;

// The lines of one report in the virtual mouse's trace: report ID 0, the bytes, zeros up to the length.
std::string Report(const char* operation, Bytes bytes, std::size_t length) {
    bytes.insert(bytes.begin(), 0x00);
    bytes.resize(length, 0);
    return std::string(operation) + " " + TraceWriter::Hex(bytes);
}

// What `ApplyButtons` sends: the button function table (block 0x03, one chunk) with the codes of slots
// 0, 1, 2, 4, 3, 5, 6 and the fixed entries 7, 8, 14 and 15, then the twelve macro slots (block 0x05,
// three chunks each), here all empty.
Lines ButtonWrite(const std::array<Bytes, 7>& codesInTableOrder) {
    Bytes table;
    for (const Bytes& code : codesInTableOrder) {
        table.insert(table.end(), code.begin(), code.end());
    }
    const Bytes fixed = {0x00, 0x00, 0x03, 0x0C, 0x00, 0x00, 0x01, 0x0B};
    table.insert(table.end(), fixed.begin(), fixed.end());
    table.resize(56, 0);
    const Bytes last = {0x00, 0x01, 0x01, 0x05, 0x00, 0x01, 0x02, 0x05};
    table.insert(table.end(), last.begin(), last.end());
    Lines lines{Report("set-feature", {0x03, 0, 0, 0x01, 0, 0, 0, 0xFB}, 9), "sleep 10",
                Report("write", table, 65), "sleep 100"};
    for (std::uint8_t slot = 0; slot < 12; ++slot) {
        lines.push_back(
            Report("set-feature", {0x05, 0, slot, 0x03, 0, 0, 0, static_cast<std::uint8_t>(0xF7 - slot)}, 9));
        lines.push_back("sleep 10");
        for (int chunk = 0; chunk < 3; ++chunk) {
            lines.push_back(Report("write", {}, 65));
            lines.push_back("sleep 100");
        }
    }
    return lines;
}

const Bytes kClick = {0x00, 0xF0, 0x00, 0x02};
const Bytes kMenu = {0x00, 0xF1, 0x00, 0x02};
const Bytes kScroll = {0x00, 0xF2, 0x00, 0x02};
const Bytes kForward = {0x00, 0xF4, 0x00, 0x02};
const Bytes kBack = {0x00, 0xF3, 0x00, 0x02};
const Bytes kDpiUp = {0x00, 0x00, 0x01, 0x08};
const Bytes kDpiDown = {0x00, 0x00, 0x02, 0x08};

using test::MenuOf;
using test::PopupMenuWindows;

void PressMenuKey(HWND popup, UINT key, int times = 1) {
    for (int i = 0; i < times; ++i) {
        ::PostMessageW(popup, WM_KEYDOWN, key, 1);
        ::PostMessageW(popup, WM_KEYUP, key, 0xC0000001);
    }
}

struct MenuItem {
    UINT id;
    std::string text;
    int width;
};

// The items of a shown menu as the window drew them: id, the text its owner-drawn item carries, width.
std::vector<MenuItem> ItemsOf(HMENU menu, HWND owner) {
    std::vector<MenuItem> items;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
        ::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        const auto* drawn = reinterpret_cast<const CExMenu*>(info.dwItemData);
        RECT r{};
        ::GetMenuItemRect(owner, menu, static_cast<UINT>(i), &r);
        items.push_back(
            {info.hSubMenu != nullptr ? 0u : info.wID,
             drawn != nullptr ? std::string(drawn->Items().TextOf(info.wID)) : "(not owner-drawn)",
             static_cast<int>(r.right - r.left)});
    }
    return items;
}

// The window shown, with the button-assignment section open.
void ShowRows(MainWindow& main) {
    main.window->PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
    Pump();
    main.window->ToggleSection(MainWindowLayout::ButtonAssignment, false);
}

void ClickRow(MainWindow& main, int row) {
    test::ClickButton(*main.window, main.window->Controls().DropDown(MainWindowLayout::SlotOfRow(row)));
}

TEST(AssignmentMenu, OpensBesideTheBoxWithItsItemsInTheLanguageAndFramedSubmenus) {
    struct Case {
        const char* code;
        std::vector<std::pair<UINT, const char*>> main; // 0: a submenu
        std::vector<std::pair<UINT, const char*>> dpi;
    };
    const Case cases[] = {
        {"EN",
         {{2001, "Click"},
          {2002, "Menu"},
          {2003, "Scroll "},
          {2004, "Forward"},
          {2005, "Back"},
          {2006, "Double-Click"},
          {2010, "Snipe"},
          {0, "DPI Setting +"},
          {0, "Multimedia Commands +"},
          {0, "Basic Commands +"},
          {0, "Additional Commands +"},
          {2011, "Assign Keyboard Key"},
          {2012, "Macro"},
          {2013, "Deactivated"}},
         {{2020, "DPI +"}, {2021, "DPI -"}, {2022, "DPI Loop"}}},
        {"DE",
         {{2001, "Klick"},
          {2002, "Menü"},
          {2003, "Scrollen"},
          {2004, "Vorwärts"},
          {2005, "Zurück"},
          {2006, "Doppelklick"},
          {2010, "Snipe"},
          {0, "DPI-Einstellung +"},
          {0, "Multimedia-Funktionen +"},
          {0, "Grundlegende-Funktionen +"},
          {0, "Zusätzliche-Funktionen +"},
          {2011, "Keyboard-Taste zuweisen +"},
          {2012, "Makro"},
          {2013, "Deaktiviert"}},
         {{2020, "DPI +"}, {2021, "DPI -"}, {2022, "DPI Schleife"}}},
    };
    // The program frames its popup menus from its start (the application installs the hook).
    ASSERT_TRUE(CMenuWndHook::Install());
    for (const Case& c : cases) {
        MainWindow::Setup setup;
        setup.listText = std::string("[Skins]\r\nLan=") + c.code + "\r\n";
        MainWindow main(setup);
        ShowRows(main);
        const HWND owner = main.window->Hwnd();
        RECT box = main.window->Controls().DropDown(2).Rect();
        MapWindowPoints(main.window->Hwnd(), nullptr, reinterpret_cast<POINT*>(&box), 2);
        const std::size_t mark = main.Services().Trace().Lines().size();
        std::vector<MenuItem> mainItems, dpiItems;
        int framedWindows = 0, framedOnScreen = 0;
        ModalScript script({
            [&] {
                const std::vector<HWND> popups = PopupMenuWindows();
                ASSERT_EQ(popups.size(), 1u);
                RECT shown{};
                ::GetWindowRect(popups[0], &shown);
                EXPECT_EQ(shown.left, box.right + 5) << c.code;
                EXPECT_EQ(shown.top, box.top) << c.code;
                EXPECT_EQ(main.window->Model().SelectedSlot(), 2)
                    << "the row stays lit while its menu is open";
                const auto menu = MenuOf(popups[0]);
                mainItems = ItemsOf(menu, owner);
                PressMenuKey(popups[0], VK_DOWN, 8);
                PressMenuKey(popups[0], VK_RIGHT);
            },
            [] {},
            [] {},
            [&] {
                const std::vector<HWND> popups = PopupMenuWindows();
                ASSERT_EQ(popups.size(), 2u);
                for (HWND popup : popups) {
                    const auto menu = MenuOf(popup);
                    if (::GetMenuItemCount(menu) == 3) {
                        dpiItems = ItemsOf(menu, owner);
                    }
                    framedWindows += CMenuWndHook::IsFramed(popup) ? 1 : 0;
                    RECT r{};
                    ::GetWindowRect(popup, &r);
                    const HDC screen = ::GetDC(nullptr);
                    const int y = (r.top + r.bottom) / 2;
                    framedOnScreen += ::GetPixel(screen, r.left, y) == RGB(143, 32, 32) &&
                                              ::GetPixel(screen, r.left + 1, y) == RGB(111, 41, 41)
                                          ? 1
                                          : 0;
                    ::ReleaseDC(nullptr, screen);
                }
                ::EndMenu();
            },
        });
        ClickRow(main, 3);
        Pump();
        ASSERT_TRUE(script.Finished());
        ASSERT_EQ(mainItems.size(), c.main.size());
        for (std::size_t i = 0; i < c.main.size(); ++i) {
            EXPECT_EQ(mainItems[i].id, c.main[i].first) << c.code << " " << i;
            EXPECT_EQ(mainItems[i].text, c.main[i].second) << c.code << " " << i;
        }
        ASSERT_EQ(dpiItems.size(), c.dpi.size());
        for (std::size_t i = 0; i < c.dpi.size(); ++i) {
            EXPECT_EQ(dpiItems[i].id, c.dpi[i].first) << c.code;
            EXPECT_EQ(dpiItems[i].text, c.dpi[i].second) << c.code;
        }
        // Items 130 wide in the main menu, 90 in the DPI submenu; the system adds the same margin to each.
        // The German main menu is wider: its longest items need more than 130.
        if (std::string(c.code) == "EN") {
            EXPECT_EQ(mainItems[0].width - dpiItems[0].width, 40);
        } else {
            EXPECT_GT(mainItems[0].width - dpiItems[0].width, 40) << c.code;
        }
        EXPECT_EQ(framedWindows, 2) << c.code;
        EXPECT_EQ(framedOnScreen, 2) << c.code;
        // Dismissed: nothing sent, the row released, the menu slot kept.
        EXPECT_EQ(main.TraceFrom(mark), Lines{});
        EXPECT_EQ(main.window->Model().SelectedSlot(), -1);
        EXPECT_FALSE(main.window->Controls().DropDown(2).IsChecked());
        EXPECT_EQ(main.window->Assignment().MenuSlot(), 2);
    }
    CMenuWndHook::Uninstall();
}

// Opens row's menu and picks the item `downs` places down (submenus opened with `rights`).
void ChooseFromMenu(MainWindow& main, int row, int downs, int subDowns = 0) {
    ModalScript script({
        [&] {
            const std::vector<HWND> popups = PopupMenuWindows();
            ASSERT_EQ(popups.size(), 1u);
            PressMenuKey(popups[0], VK_DOWN, downs);
            if (subDowns > 0) {
                PressMenuKey(popups[0], VK_RIGHT);
            } else {
                PressMenuKey(popups[0], VK_RETURN);
            }
        },
        [&] {
            if (subDowns > 0) {
                const std::vector<HWND> popups = PopupMenuWindows();
                ASSERT_EQ(popups.size(), 2u);
                PressMenuKey(popups[1], VK_DOWN, subDowns - 1);
                PressMenuKey(popups[1], VK_RETURN);
            }
        },
    });
    ClickRow(main, row);
    Pump();
    EXPECT_TRUE(script.Finished());
}

TEST(AssignmentMenu, AChoiceSendsTheButtonTableAndMacrosAndSavesTheProfileAndCaption) {
    MainWindow main;
    ShowRows(main);
    // Button 2 clicks first, so that button 1 may have another function.
    ChooseFromMenu(main, 2, 1);
    const std::size_t mark = main.Services().Trace().Lines().size();
    ChooseFromMenu(main, 1, 4); // "Forward"
    EXPECT_EQ(main.TraceFrom(mark),
              ButtonWrite({kForward, kClick, kScroll, kForward, kBack, kDpiUp, kDpiDown}));
    EXPECT_EQ(main.Mouse().State().ButtonTable[0 + 1], 0xF4);
    EXPECT_EQ(main.Services().Session.Working.ButtonAssignmentKind[0], 3);
    EXPECT_EQ(main.window->Controls().DropDown(0).GetCaption(), L"Forward");
    // Saved: the profile file holds the new kind, the caption file the new caption.
    ProgramServices& s = main.Services();
    s.Session.Working.ButtonAssignmentKind[0] = 0;
    s.Session.Captions[0].clear();
    s.Storage.LoadProfile();
    s.Storage.LoadCaptions(s.CaptionSection());
    EXPECT_EQ(s.Session.Working.ButtonAssignmentKind[0], 3);
    EXPECT_EQ(s.Session.Captions[0], "Forward");

    // A submenu entry: "Mute" for button 7.
    const std::size_t second = main.Services().Trace().Lines().size();
    ChooseFromMenu(main, 7, 9, 6);
    EXPECT_EQ(main.TraceFrom(second),
              ButtonWrite({kForward, kClick, kScroll, kForward, kBack, kDpiUp, {0x00, 0xE2, 0x00, 0x04}}));
    EXPECT_EQ(main.window->Controls().DropDown(6).GetCaption(), L"Mute");
}

TEST(AssignmentMenu, TheClickGuardKeepsTheOnlyClickWithItsMessage) {
    MainWindow main;
    ShowRows(main);
    const std::size_t mark = main.Services().Trace().Lines().size();
    ClickRow(main, 1); // no menu opens, so nothing waits here
    Pump();
    ASSERT_EQ(main.prompts.questions.size(), 1u);
    EXPECT_EQ(main.prompts.questions[0].text, "At least one button must be set as the \"click\" function.");
    EXPECT_EQ(main.prompts.questions[0].caption, "ATTENTION!!");
    EXPECT_EQ(main.window->Model().SelectedSlot(), -1);
    EXPECT_FALSE(main.window->Controls().DropDown(0).IsChecked());
    EXPECT_EQ(main.window->Assignment().MenuSlot(), -1);
    EXPECT_EQ(main.TraceFrom(mark), Lines{});
}

// A key pressed and released through the system's input, as the keyboard would.
void Type(WORD key, bool extended = false) {
    INPUT input[2] = {};
    for (INPUT& i : input) {
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = key;
        i.ki.dwFlags = extended ? KEYEVENTF_EXTENDEDKEY : 0;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    ::SendInput(2, input, sizeof(INPUT));
}

HWND FindDialog(const wchar_t* title) {
    return ::FindWindowW(nullptr, title);
}

std::wstring TextOf(HWND window) {
    wchar_t text[128] = {};
    ::GetWindowTextW(window, text, 128);
    return text;
}

// The two dialogs' backgrounds; their other images may be missing.
struct DialogSkins {
    DialogSkins() {
        EXPECT_TRUE(
            folder.WriteImage(SkinFileNames::InSkins(SkinFileNames::kSingleKey), 384, 285, RGB(30, 30, 30)));
        EXPECT_TRUE(
            folder.WriteImage(SkinFileNames::InSkins(SkinFileNames::kMacroKey), 390, 285, RGB(30, 30, 30)));
        setup.programFolder = folder.ProgramFolder();
    }
    test::TestSkinFolder folder;
    MainWindow::Setup setup;
};

void CloseMenuOfRow3(MainWindow& main) {
    ModalScript script({[] { ::EndMenu(); }});
    ClickRow(main, 3);
    Pump();
}

TEST(KeyCapture, TakesTheNextKeyFromTheSystemAndOnlyOkWithANewKeyAssignsIt) {
    enum class End { Ok, Cancel, Close };
    struct Case {
        const char* what;
        std::vector<std::pair<WORD, bool>> keys; // key, extended
        std::wstring label;
        End end;
        bool sent;
        std::uint8_t usage;
    };
    const Case cases[] = {
        {"A", {{'A', false}}, L"A", End::Ok, true, 4},
        {"keypad Enter", {{VK_RETURN, true}}, L"Num Enter", End::Ok, true, 88},
        {"a Windows key, then A", {{VK_LWIN, true}, {'A', false}}, L"A", End::Ok, true, 4},
        {"the Windows key", {{VK_LWIN, true}}, L"Left Windows", End::Ok, true, 227},
        {"a key the mouse cannot be given", {{VK_APPS, true}}, L"App (N/A)", End::Ok, false, 0},
        {"no key", {}, L"", End::Ok, false, 0},
        {"cancelled", {{'A', false}}, L"A", End::Cancel, false, 0},
        {"closed", {{'B', false}}, L"B", End::Close, false, 0},
    };
    for (const Case& c : cases) {
        DialogSkins skins;
        MainWindow main(skins.setup);
        ShowRows(main);
        CloseMenuOfRow3(main);
        const std::wstring captionBefore = main.window->Controls().DropDown(2).GetCaption();
        const std::size_t mark = main.Services().Trace().Lines().size();
        bool hooked = false, keysReachedAWindow = false;
        std::wstring label;
        std::vector<std::function<void()>> steps;
        steps.push_back([&] { hooked = Win32KeyboardHook::Owner() != nullptr; });
        for (const auto& [key, extended] : c.keys) {
            steps.push_back([key, extended] { Type(key, extended); });
        }
        steps.push_back([&] {
            MSG message;
            keysReachedAWindow =
                ::PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE) != FALSE;
            const HWND dialog = FindDialog(CSingleDialog::kTitle);
            label = TextOf(::GetDlgItem(dialog, CSingleDialog::kKeyLabelId));
            const POINT at = c.end == End::Ok       ? POINT{276, 262}
                             : c.end == End::Cancel ? POINT{346, 262}
                                                    : POINT{360, 15};
            ClickAt(dialog, at.x, at.y);
        });
        ModalScript script(steps);
        main.window->SendMessage(WM_COMMAND, AssignmentCatalogue::kSingleKeyCommand, 0);
        Pump();
        EXPECT_TRUE(script.Finished()) << c.what;
        EXPECT_TRUE(hooked) << c.what;
        EXPECT_EQ(Win32KeyboardHook::Owner(), nullptr) << c.what << ": the keyboard is given back";
        EXPECT_FALSE(keysReachedAWindow) << c.what;
        EXPECT_EQ(label, c.label) << c.what;
        const ProfileSettings& working = main.Services().Session.Working;
        if (c.sent) {
            EXPECT_EQ(
                main.TraceFrom(mark),
                ButtonWrite({kClick, kMenu, {0x00, c.usage, 0x00, 0x01}, kForward, kBack, kDpiUp, kDpiDown}))
                << c.what;
            EXPECT_EQ(working.ButtonKey[2], c.usage) << c.what;
            EXPECT_EQ(main.window->Controls().DropDown(2).GetCaption(), L"Assign Keyboard Key-" + c.label)
                << c.what;
        } else {
            EXPECT_EQ(main.TraceFrom(mark), Lines{}) << c.what;
            EXPECT_EQ(working.ButtonAssignmentKind[2], 2) << c.what;
            EXPECT_EQ(main.window->Controls().DropDown(2).GetCaption(), captionBefore) << c.what;
        }
    }
}

TEST(MacroDialog, PreselectsTheButtonsMacroAndOkStoresTheChosenMacroAndMode) {
    struct Case {
        const char* what;
        int item;      // chosen from the list, -1 none
        int modeAfter; // run mode clicked after, -1 none
        bool ok;
        Bytes code; // slot 2's code when sent
    };
    const Case cases[] = {
        {"Macro_10: the run mode starts again at one-time", 1, -1, true, {0x01, 0x01, 0x00, 0x0A}},
        {"Macro_10 looping until any button", 1, 1, true, {0x01, 0x03, 0x00, 0x0A}},
        {"only the run mode", -1, 1, true, {0x00, 0x03, 0x00, 0x0A}},
        {"OK without a choice", -1, -1, true, {}},
        {"cancelled", 1, 2, false, {}},
    };
    for (const Case& c : cases) {
        DialogSkins skins;
        MainWindow main(skins.setup);
        const std::string list = "[MacroName]\r\nMacroCount=2\r\n0=Macro_1\r\n1=Macro_10\r\n";
        main.files.WriteFileAtomically(main.options.DataFolder + "record.ini",
                                       Bytes(list.begin(), list.end()));
        ShowRows(main);
        CloseMenuOfRow3(main);
        ProfileSession& session = main.Services().Session;
        session.Working.ButtonAssignmentKind[2] = 11; // plays Macro_1, looping until released
        session.Working.ButtonMacroIndex[2] = 0;
        session.Working.ButtonMacroMode[2] = 2;
        session.Captions[2] = "Macro:Macro_1";
        const std::size_t mark = main.Services().Trace().Lines().size();
        HWND dialog = nullptr;
        int preselected = -2;
        std::wstring shownFirst, shownAfter;
        ModalScript script({
            [&] {
                dialog = FindDialog(CMacroDialog::kTitle);
                shownFirst = TextOf(::GetDlgItem(dialog, CMacroDialog::kNameLabelId));
                ClickAt(dialog, 60, 136); // the name field opens the list
            },
            [&] {
                const HWND list = ::GetDlgItem(dialog, CMacroDialog::kListId);
                preselected = static_cast<int>(::SendMessageW(list, LB_GETCURSEL, 0, 0));
                if (c.item >= 0) {
                    ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(c.item), 0);
                    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(CMacroDialog::kListId, LBN_SELCHANGE),
                                   reinterpret_cast<LPARAM>(list));
                } else {
                    ClickAt(dialog, 60, 136); // closed again
                }
            },
            [&] {
                shownAfter = TextOf(::GetDlgItem(dialog, CMacroDialog::kNameLabelId));
                if (c.modeAfter >= 0) {
                    ClickAt(dialog, 228, 86 + 50 * c.modeAfter);
                }
            },
            [&] { ClickAt(dialog, c.ok ? 279 : 343, 262); },
        });
        main.window->SendMessage(WM_COMMAND, AssignmentCatalogue::kMacroCommand, 0);
        Pump();
        EXPECT_TRUE(script.Finished()) << c.what;
        EXPECT_EQ(shownFirst, L"Macro_1") << c.what;
        EXPECT_EQ(preselected, 0) << c.what << ": Macro_1 itself, not Macro_10";
        EXPECT_EQ(shownAfter, c.item == 1 ? L"Macro_10" : L"Macro_1") << c.what;
        if (!c.code.empty()) {
            EXPECT_EQ(main.TraceFrom(mark),
                      ButtonWrite({kClick, kMenu, c.code, kForward, kBack, kDpiUp, kDpiDown}))
                << c.what;
            EXPECT_EQ(main.window->Controls().DropDown(2).GetCaption(),
                      c.item == 1 ? L"Macro:Macro_10" : L"Macro:Macro_1")
                << c.what;
        } else {
            EXPECT_EQ(main.TraceFrom(mark), Lines{}) << c.what;
            EXPECT_EQ(session.Working.ButtonMacroMode[2], 2) << c.what;
        }
    }
}

// Without their backgrounds the macro assignment dialog and the macro manager still open at a size that
// holds every drawn area, so the close area can be clicked; the manager also says its background is missing.
TEST(MacroDialogs, OpenAtAUsableSizeWithoutTheirBackgrounds) {
    test::TestSkinFolder folder; // no images at all
    MainWindow::Setup setup;
    setup.programFolder = folder.ProgramFolder();
    MainWindow main(setup);
    ShowRows(main);
    CloseMenuOfRow3(main);
    const auto sizeOf = [](HWND window) {
        RECT r{};
        ::GetWindowRect(window, &r);
        return std::pair<LONG, LONG>(r.right - r.left, r.bottom - r.top);
    };
    std::pair<LONG, LONG> assignment, manager;
    {
        ModalScript script({[&] {
            const HWND dialog = FindDialog(CMacroDialog::kTitle);
            assignment = sizeOf(dialog);
            ClickAt(dialog, 361, 15); // close
        }});
        main.window->SendMessage(WM_COMMAND, AssignmentCatalogue::kMacroCommand, 0);
        Pump();
        EXPECT_TRUE(script.Finished());
    }
    {
        ModalScript script({[&] {
            const HWND dialog = FindDialog(CMacroProgramDialog::kTitle);
            manager = sizeOf(dialog);
            ClickAt(dialog, 450, 29); // close
        }});
        test::ClickButton(*main.window, main.window->Controls().Header(2));
        Pump();
        EXPECT_TRUE(script.Finished());
    }
    EXPECT_EQ(assignment, (std::pair<LONG, LONG>(400, 300)));
    EXPECT_EQ(manager, (std::pair<LONG, LONG>(490, 432)));
    ASSERT_EQ(main.prompts.questions.size(), 1u);
    EXPECT_EQ(main.prompts.questions[0].text, "error");
    EXPECT_EQ(main.prompts.questions[0].caption, "Macro Manager Dialog Load background image failed!!!");
    EXPECT_NE(::IsWindowEnabled(main.window->Hwnd()), FALSE) << "the main window is usable again";
}

} // namespace
} // namespace corvalith
