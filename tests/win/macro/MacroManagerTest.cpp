#include "controls/win/CLBEditorWnd.h"
#include "macro/MacroEventMenu.h"
#include "macro/MacroFile.h"
#include "macro/win/CMacroProgramDialog.h"
#include "platform/win/Win32KeyboardHook.h"
#include "sim/TraceWriter.h"
#include "skin/SkinFileNames.h"
#include "win/support/MainWindowFixture.h"
#include "win/support/ModalScript.h"
#include "win/support/PopupMenus.h"
#include "win/support/TestSkinFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <regex>

namespace corvalith {
namespace {

using test::MainWindow;
using test::ModalScript;
using test::Pump;
using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::string>;
using Steps = std::vector<std::function<void()>>;

constexpr auto kMacroKind = static_cast<std::uint8_t>(11);

// The main window over the virtual mouse with the macro manager's background in its skins.
struct Manager {
    explicit Manager(const std::string& recordIni = "") {
        EXPECT_TRUE(skins.WriteImage(SkinFileNames::InSkins(SkinFileNames::kMacroManagement), 490, 432,
                                     RGB(30, 30, 30)));
        setup.programFolder = skins.ProgramFolder();
        main = std::make_unique<MainWindow>(setup);
        if (!recordIni.empty()) {
            main->files.WriteFileAtomically(Path(), Bytes(recordIni.begin(), recordIni.end()));
        }
    }
    std::string Path() const { return main->options.DataFolder + "record.ini"; }
    std::string File() const {
        const auto bytes = main->files.ReadFile(Path(), 1 << 20);
        return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("(missing)");
    }
    // Opens the manager from its header and runs the steps while it is open, one per tick.
    void Run(Steps steps) {
        ModalScript script(std::move(steps));
        test::ClickButton(*main->window, main->window->Controls().Header(2));
        Pump();
        EXPECT_TRUE(script.Finished());
    }
    ProfileSession& Session() { return main->Services().Session; }

    test::TestSkinFolder skins;
    MainWindow::Setup setup;
    std::unique_ptr<MainWindow> main;
};

HWND Dialog() {
    return ::FindWindowW(nullptr, CMacroProgramDialog::kTitle);
}
HWND Child(int id) {
    return ::GetDlgItem(Dialog(), id);
}
HWND Editor(HWND list) {
    return ::GetDlgItem(list, CLBEditorWnd::kEditorId);
}

void ClickAt(int x, int y) {
    test::ClickAt(Dialog(), x, y);
}
void ClickOk() {
    ClickAt(325, 408);
}
void ClickCancel() {
    ClickAt(380, 408);
}
void ClickNew() {
    ClickAt(46, 380);
}
void ClickDelete() {
    ClickAt(106, 380);
}
void ClickDelayCheck() {
    ClickAt(377, 151);
}
void ClickRecord() {
    test::Click(::ChildWindowFromPoint(Dialog(), POINT{340, 99}));
}

// A list notification as a click on item `index` makes it.
void Choose(int listId, int index, WORD notification = LBN_SELCHANGE) {
    const HWND list = Child(listId);
    ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(listId, notification), reinterpret_cast<LPARAM>(list));
}

std::vector<std::wstring> ItemsOf(int listId) {
    const HWND list = Child(listId);
    std::vector<std::wstring> items;
    const int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[128] = {};
        ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.emplace_back(text);
    }
    return items;
}

void Type(WORD key) {
    INPUT input[2] = {};
    for (INPUT& i : input) {
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = key;
    }
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, input, sizeof(INPUT));
}

// The macro slots of `ApplyButtons` for a table whose only macro is `block0` (the rest zeros): slot k carries
// block k and the first 62 bytes of block k + 1, in three reports of 64 bytes.
Lines MacroSlotLines(const Bytes& block0) {
    Bytes table(12 * 130 + 62, 0);
    std::copy(block0.begin(), block0.end(), table.begin());
    Lines lines;
    for (std::uint8_t slot = 0; slot < 12; ++slot) {
        Bytes header = {0x00, 0x05, 0, slot, 0x03, 0, 0, 0, static_cast<std::uint8_t>(0xF7 - slot)};
        lines.push_back("set-feature " + TraceWriter::Hex(header));
        lines.push_back("sleep 10");
        for (int chunk = 0; chunk < 3; ++chunk) {
            Bytes report = {0x00};
            const auto from = table.begin() + slot * 130 + chunk * 64;
            report.insert(report.end(), from, from + 64);
            lines.push_back("write " + TraceWriter::Hex(report));
            lines.push_back("sleep 100");
        }
    }
    return lines;
}

const char* const kOneEmptyMacro =
    "[MacroName]\r\nMacroCount=1\r\n0=Macro_1\r\n[Macro_1]\r\nMacroLoopTimes=1\r\n";

TEST(MacroManager, RecordsKeysThroughTheSystemHookAndOkSendsTheEncodedMacro) {
    for (const bool delays : {false, true}) {
        SCOPED_TRACE(delays ? "with delays" : "without delays");
        Manager m(kOneEmptyMacro);
        const std::size_t mark = m.main->Services().Trace().Lines().size();
        bool hooked = false;
        bool keysReachedAWindow = false;
        std::vector<std::wstring> shown;
        Steps steps;
        if (delays) {
            steps.push_back([] { ClickDelayCheck(); });
        }
        steps.push_back([] { ClickRecord(); });
        steps.push_back([&] {
            hooked = Win32KeyboardHook::Owner() != nullptr;
            Type('A');
        });
        steps.push_back([] { Type('B'); });
        steps.push_back([&] {
            MSG message;
            keysReachedAWindow =
                ::PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE) != FALSE;
            shown = ItemsOf(CMacroProgramDialog::kEventListId);
            ClickRecord();
        });
        steps.push_back([] { ClickOk(); });
        m.Run(steps);

        EXPECT_TRUE(hooked);
        EXPECT_FALSE(keysReachedAWindow);
        EXPECT_EQ(Win32KeyboardHook::Owner(), nullptr) << "the keyboard is given back";
        const std::string file = m.File();
        if (!delays) {
            EXPECT_EQ(shown, (std::vector<std::wstring>{L"A   Dn", L"A   Up", L"B   Dn", L"B   Up"}));
            EXPECT_EQ(file,
                      "[MacroName]\r\nMacroCount=1\r\n0=Macro_1\r\n[Macro_1]\r\nDelayTimeSelStatus=0\r\n"
                      "MacroLoopTimes=1\r\nItemCount=4\r\nItem0=A   Dn\r\nItem1=A   Up\r\nItem2=B   Dn\r\n"
                      "Item3=B   Up\r\n");
        } else {
            EXPECT_EQ(shown.size(), 7u);
            EXPECT_TRUE(std::regex_match(
                file, std::regex("\\[MacroName\\]\r\nMacroCount=1\r\n0=Macro_1\r\n\\[Macro_1\\]\r\n"
                                 "DelayTimeSelStatus=1\r\nMacroLoopTimes=1\r\nItemCount=7\r\nItem0=A   Dn\r\n"
                                 "Item1=[0-9]+ ms\r\nItem2=A   Up\r\nItem3=[0-9]+ ms\r\nItem4=B   Dn\r\n"
                                 "Item5=[0-9]+ ms\r\nItem6=B   Up\r\n")))
                << file;
        }

        // Loop count 1, first event 0x32 with A (usage 4), then A up, B down, B up (usage 5), 50 ms each
        // without delays, the measured delays (at least 10 ms) with them.
        const ProfileSettings& working = m.Session().Working;
        Bytes block0(working.MacroBlockTable[0], working.MacroBlockTable[0] + 130);
        Bytes expected(130, 0);
        const Bytes events = {0x00, 0x01, 0x32, 0x04, 0xFF, 0x04, 0x00, 0x32,
                              0x7F, 0x05, 0x00, 0x32, 0xFF, 0x05, 0x00, 0x32};
        std::copy(events.begin(), events.end(), expected.begin());
        if (delays) {
            for (std::size_t k = 1; k <= 3; ++k) {
                const int delay = block0[4 * k + 2] * 256 + block0[4 * k + 3];
                EXPECT_GE(delay, 10);
                expected[4 * k + 2] = block0[4 * k + 2];
                expected[4 * k + 3] = block0[4 * k + 3];
            }
        }
        EXPECT_EQ(block0, expected);
        const Lines sent = m.main->TraceFrom(mark);
        ASSERT_EQ(sent.size(), 4u + 12u * 8u) << "the button table, then the twelve macro slots";
        EXPECT_EQ(Lines(sent.begin() + 4, sent.end()), MacroSlotLines(expected));
        EXPECT_TRUE(
            std::equal(expected.begin(), expected.end(), m.main->Mouse().State().MacroSlots[0].begin()));
    }
}

TEST(MacroManager, UnpluggingTheMouseWhileRecordingClosesTheManagerAndGivesBackTheKeyboard) {
    Manager m(kOneEmptyMacro);
    bool hooked = false;
    m.Run({[] { ClickRecord(); },
           [&] {
               hooked = Win32KeyboardHook::Owner() != nullptr;
               m.main->Mouse().Unplug(VirtualMouse::Unplugged::All);
           }});
    EXPECT_TRUE(hooked);
    EXPECT_EQ(Dialog(), nullptr);
    EXPECT_EQ(Win32KeyboardHook::Owner(), nullptr);
    EXPECT_FALSE(m.main->Services().Link.IsConnected());
}

TEST(MacroManager, NewStopsAtTwelveMacrosWithTheLimitMessage) {
    Manager m;
    Steps steps;
    for (int i = 0; i < 13; ++i) {
        steps.push_back([] { ClickNew(); });
    }
    std::vector<std::wstring> names;
    steps.push_back([&] {
        names = ItemsOf(CMacroProgramDialog::kMacroListId);
        ClickCancel();
    });
    m.Run(steps);
    ASSERT_EQ(names.size(), 12u);
    EXPECT_EQ(names.front(), L"Macro_1");
    EXPECT_EQ(names.back(), L"Macro_12");
    ASSERT_EQ(m.main->prompts.questions.size(), 1u);
    EXPECT_EQ(m.main->prompts.questions[0].text, "Up to 12 Macros Possible.");
    EXPECT_EQ(m.main->prompts.questions[0].caption, "ATTENTION!");
    // A new file is written in UTF-16, as the profile-string calls read it.
    const MacroFile file(m.main->files, m.Path());
    const std::vector<std::string> stored = file.ReadList();
    ASSERT_EQ(stored.size(), 12u);
    EXPECT_EQ(stored[0], "Macro_1");
    EXPECT_EQ(stored[11], "Macro_12");
}

const char* const kTwoMacros = "[MacroName]\r\nMacroCount=2\r\n0=Macro_1\r\n1=Macro_2\r\n"
                               "[Macro_1]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=1\r\nItemCount=2\r\n"
                               "Item0=A   Dn\r\nItem1=A   Up\r\n"
                               "[Macro_2]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=2\r\nItemCount=2\r\n"
                               "Item0=B   Dn\r\nItem1=B   Up\r\n";

// Button 3 (slot 2) plays Macro_2, block 1.
void AssignMacro2(Manager& m) {
    ProfileSession& session = m.Session();
    session.Working.ButtonAssignmentKind[2] = kMacroKind;
    session.Working.ButtonMacroIndex[2] = 1;
    session.Working.ButtonMacroMode[2] = 0;
    session.Captions[2] = "Macro:Macro_2";
}

TEST(MacroManager, AMacroInUseStaysAndDeletingOneBeforeItKeepsTheButtonOnItsMacro) {
    Manager m(kTwoMacros);
    AssignMacro2(m);
    std::vector<std::wstring> afterRefusal;
    m.Run({
        [] {
            Choose(CMacroProgramDialog::kMacroListId, 1);
            ClickDelete();
        },
        [&] {
            afterRefusal = ItemsOf(CMacroProgramDialog::kMacroListId);
            Choose(CMacroProgramDialog::kMacroListId, 0);
            ClickDelete();
        },
        [] { ClickCancel(); },
    });
    EXPECT_EQ(afterRefusal, (std::vector<std::wstring>{L"Macro_1", L"Macro_2"}));
    EXPECT_EQ(m.File(), "[Macro_2]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=2\r\nItemCount=2\r\n"
                        "Item0=B   Dn\r\nItem1=B   Up\r\n"
                        "[MacroName]\r\nMacroCount=1\r\n0=Macro_2\r\n");
    // Macro_2 is block 0 now: the button follows it, and the mouse holds it there.
    EXPECT_EQ(m.Session().Working.ButtonMacroIndex[2], 0);
    const Bytes macro2 = {0x00, 0x02, 0x32, 0x05, 0xFF, 0x05, 0x00, 0x32};
    const auto slot0 = m.main->Mouse().State().MacroSlots[0];
    EXPECT_TRUE(std::equal(macro2.begin(), macro2.end(), slot0.begin()));
    EXPECT_EQ(m.Session().Working.MacroBlockTable[0][3], 0x05);
}

// "Game:Jump" is a name of its own: the button that plays it keeps playing it when the manager closes, and
// it cannot be deleted while the button plays it.
TEST(MacroManager, AButtonPlayingAMacroNamedWithAColonKeepsItAndGuardsIt) {
    const std::string jumps = "[MacroName]\r\nMacroCount=2\r\n0=Jump\r\n1=Game:Jump\r\n"
                              "[Jump]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=1\r\nItemCount=2\r\n"
                              "Item0=A   Dn\r\nItem1=A   Up\r\n"
                              "[Game:Jump]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=1\r\nItemCount=2\r\n"
                              "Item0=B   Dn\r\nItem1=B   Up\r\n";
    Manager m(jumps);
    ProfileSession& session = m.Session();
    session.Working.ButtonAssignmentKind[2] = kMacroKind;
    session.Working.ButtonMacroIndex[2] = 1;
    session.Captions[2] = "Macro:Game:Jump";
    std::vector<std::wstring> afterDelete;
    m.Run({
        [] {
            Choose(CMacroProgramDialog::kMacroListId, 1);
            ClickDelete();
        },
        [&] {
            afterDelete = ItemsOf(CMacroProgramDialog::kMacroListId);
            ClickCancel();
        },
    });
    EXPECT_EQ(afterDelete, (std::vector<std::wstring>{L"Jump", L"Game:Jump"}));
    EXPECT_EQ(m.File(), jumps);
    EXPECT_EQ(session.Working.ButtonMacroIndex[2], 1);
    EXPECT_EQ(session.Captions[2], "Macro:Game:Jump");
}

TEST(MacroManager, RenamesInPlaceWithEnterOrAClickElsewhereAndKeepsTheNameOnEscape) {
    enum class End { Enter, ClickElsewhere, Escape };
    for (const End end : {End::Enter, End::ClickElsewhere, End::Escape}) {
        SCOPED_TRACE(static_cast<int>(end));
        Manager m(kTwoMacros);
        AssignMacro2(m);
        std::string whileEditing;
        m.Run({
            [] { Choose(CMacroProgramDialog::kMacroListId, 1, LBN_DBLCLK); },
            [&, end] {
                whileEditing = "";
                const HWND editor = Editor(Child(CMacroProgramDialog::kMacroListId));
                ASSERT_NE(editor, nullptr);
                ::SetWindowTextW(editor, L"Jump");
                if (end == End::ClickElsewhere) {
                    ::PostMessageW(editor, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 150));
                } else {
                    ::PostMessageW(editor, WM_KEYDOWN, end == End::Enter ? VK_RETURN : VK_ESCAPE, 1);
                }
            },
            [] { ClickCancel(); },
        });
        if (end == End::Escape) {
            EXPECT_EQ(m.File(), kTwoMacros);
            EXPECT_EQ(m.Session().Captions[2], "Macro:Macro_2");
            continue;
        }
        EXPECT_EQ(m.File(), "[Macro_1]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=1\r\nItemCount=2\r\n"
                            "Item0=A   Dn\r\nItem1=A   Up\r\n"
                            "[MacroName]\r\nMacroCount=2\r\n0=Macro_1\r\n1=Jump\r\n"
                            "[Jump]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=2\r\nItemCount=2\r\n"
                            "Item0=B   Dn\r\nItem1=B   Up\r\n");
        EXPECT_EQ(m.Session().Captions[2], "Macro:Jump") << "the button shows its macro's new name";
        EXPECT_EQ(m.main->window->Controls().DropDown(2).GetCaption(), L"Macro:Jump");
    }
}

TEST(MacroManager, ARenameBeingEditedLeavesTheMacroInTheFile) {
    Manager m(kTwoMacros);
    std::string whileEditing;
    bool editing = false;
    m.Run({
        [] { Choose(CMacroProgramDialog::kMacroListId, 0, LBN_DBLCLK); },
        [&] {
            editing = Editor(Child(CMacroProgramDialog::kMacroListId)) != nullptr;
            whileEditing = m.File(); // what a crash or a killed program leaves
            ClickCancel();
        },
    });
    EXPECT_TRUE(editing);
    EXPECT_EQ(whileEditing, kTwoMacros);
}

TEST(MacroManager, DelaysAreEditedInPlaceWithinTheDeviceRange) {
    struct Case {
        const wchar_t* typed;
        const char* stored;
    };
    for (const Case& c : {Case{L"70000", "65535 ms"}, Case{L"", "0 ms"}}) {
        Manager m("[MacroName]\r\nMacroCount=1\r\n0=Macro_1\r\n[Macro_1]\r\nDelayTimeSelStatus=1\r\n"
                  "MacroLoopTimes=1\r\nItemCount=3\r\nItem0=A   Dn\r\nItem1=50 ms\r\nItem2=A   Up\r\n");
        bool digitsOnly = false;
        m.Run({
            [] { Choose(CMacroProgramDialog::kEventListId, 1); },
            [] { Choose(CMacroProgramDialog::kEventListId, 1); }, // the second click opens the editor
            [&] {
                const HWND editor = Editor(Child(CMacroProgramDialog::kEventListId));
                ASSERT_NE(editor, nullptr);
                digitsOnly = (::GetWindowLongW(editor, GWL_STYLE) & ES_NUMBER) != 0;
                ::SetWindowTextW(editor, c.typed);
                ::PostMessageW(editor, WM_KEYDOWN, VK_RETURN, 1);
            },
            [] { ClickCancel(); },
        });
        EXPECT_TRUE(digitsOnly);
        EXPECT_EQ(m.File(),
                  "[MacroName]\r\nMacroCount=1\r\n0=Macro_1\r\n[Macro_1]\r\nDelayTimeSelStatus=1\r\n"
                  "MacroLoopTimes=1\r\nItemCount=3\r\nItem0=A   Dn\r\nItem1=" +
                      std::string(c.stored) + "\r\nItem2=A   Up\r\n");
    }
}

TEST(MacroManager, ContextMenuCommandsInsertButtonsAndDelays) {
    struct Case {
        const char* what;
        int selection;
        UINT command;
        std::vector<std::wstring> items;
    };
    const Case cases[] = {
        {"left after A down",
         0,
         MacroEventMenu::kInsertLeft,
         {L"A   Dn", L"L-Button   Dn", L"L-Button   Up", L"A   Up"}},
        {"right without a selection", -1, MacroEventMenu::kInsertRight, {L"A   Dn", L"A   Up"}},
        {"delay before A up", 1, MacroEventMenu::kInsertDelay, {L"A   Dn", L"50 ms", L"A   Up"}},
        {"delay on the first item", 0, MacroEventMenu::kInsertDelay, {L"A   Dn", L"A   Up"}},
        {"delete A up", 1, MacroEventMenu::kDeleteEvent, {L"A   Dn"}},
    };
    for (const Case& c : cases) {
        Manager m(kTwoMacros);
        std::vector<std::wstring> shown;
        m.Run({
            [&] {
                ::SendMessageW(Child(CMacroProgramDialog::kEventListId), LB_SETCURSEL,
                               static_cast<WPARAM>(c.selection), 0);
                ::SendMessageW(Dialog(), WM_COMMAND, c.command, 0);
            },
            [&] {
                shown = ItemsOf(CMacroProgramDialog::kEventListId);
                ClickCancel();
            },
        });
        EXPECT_EQ(shown, c.items) << c.what;
        std::string section = "[Macro_1]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=1\r\nItemCount=" +
                              std::to_string(c.items.size()) + "\r\n";
        for (std::size_t i = 0; i < c.items.size(); ++i) {
            section +=
                "Item" + std::to_string(i) + "=" + std::string(c.items[i].begin(), c.items[i].end()) + "\r\n";
        }
        EXPECT_NE(m.File().find(section), std::string::npos) << c.what << "\n" << m.File();
    }
}

TEST(MacroManager, TheEventListsRightButtonOpensTheMenuInTheLanguage) {
    Manager m(kTwoMacros);
    std::vector<UINT> ids;
    m.Run({
        [] {
            const HWND list = Child(CMacroProgramDialog::kEventListId);
            ::SendMessageW(list, LB_SETCURSEL, 0, 0);
            ::PostMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 5));
        },
        [&] {
            ids = test::ShownMenuIds();
            ::EndMenu();
        },
        [] { ClickCancel(); },
    });
    EXPECT_EQ(ids, (std::vector<UINT>{32771, 32772, 32773, 32774, 32786}));
}

} // namespace
} // namespace corvalith
