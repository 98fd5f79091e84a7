#include "controls/win/CLBEditorWnd.h"
#include "ini/IniFile.h"
#include "platform/win/WideString.h"
#include "profile/ProfileFile.h"
#include "profile/ProgramRulesStore.h"
#include "skin/SkinFileNames.h"
#include "win/support/MainWindowFixture.h"
#include "win/support/ModalScript.h"
#include "win/support/PopupMenus.h"
#include "win/support/TestSkinFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvalith {
namespace {

using test::MainWindow;
using test::Pump;
using Layout = ConfigDialogLayout;

void ClickArea(CConfigDialog& dialog, const Rect& area) {
    test::ClickAt(dialog.Hwnd(), area.Left + 5, area.Top + 5);
    Pump();
}

std::vector<std::string> ListNames(CConfigDialog& dialog) {
    std::vector<std::string> names;
    for (int i = 0; i < dialog.List().GetCount(); ++i) {
        names.push_back(WideString::ToUtf8(dialog.List().GetText(i)));
    }
    return names;
}

// Shown by its own style (the main window itself stays hidden in these tests).
bool Shown(HWND window) {
    return (::GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

// Profiles stored under their letters: each with the factory settings but an X sensitivity level of its
// own, and a first caption naming it.
struct StoredProfiles {
    StoredProfiles(const std::string& letters, const std::string& current) {
        std::string list =
            "[Skins]\r\nLan=EN\r\n[Profile]\r\nItemCount=" + std::to_string(letters.size()) + "\r\n";
        for (std::size_t i = 0; i < letters.size(); ++i) {
            const std::string n = std::to_string(i);
            list += "Item" + n + "=" + letters[i] + "\r\n";
            files.WriteFileAtomically(folder.Path() + "config" + n + ".bin",
                                      ProfileFile::Encode(Settings(letters[i])));
            files.WriteFileAtomically(folder.Path() + "str" + n + ".ini",
                                      Bytes("[Profile]\r\nIsDefault=Y\r\n[Setting-EN]\r\nItem1=Key " +
                                            std::string(1, letters[i]) + "\r\n"));
        }
        files.WriteFileAtomically(folder.Path() + "str.ini",
                                  Bytes(list + "CurProfileName=" + current + "\r\n"));
        EXPECT_TRUE(
            skins.WriteImage(SkinFileNames::InSkins(SkinFileNames::kConfig), 264, 606, RGB(40, 40, 40)));
        setup.programFolder = skins.ProgramFolder();
        setup.dataFolder = folder.Path();
        setup.listText.clear();
    }
    static ProfileSettings Settings(char letter) {
        ProfileSettings settings{};
        settings.ResetToFactoryDefaults();
        settings.SensitivityX = static_cast<std::uint8_t>(letter - 'A' + 1);
        return settings;
    }
    std::optional<std::vector<std::uint8_t>> Read(const std::string& path) const {
        return static_cast<const IFileSystem&>(files).ReadFile(path);
    }
    std::string Text(const std::string& file, const char* section, const char* key) {
        return ini::IniFile(files, folder.Path() + file).ReadString(section, key);
    }

    test::TemporaryFolder folder;
    test::TestSkinFolder skins;
    Win32FileSystem files;
    MainWindow::Setup setup;
};

CConfigDialog& Open(MainWindow& main) {
    main.window->OpenProfileManager();
    Pump();
    EXPECT_NE(main.window->Profiles().Dialog(), nullptr);
    return *main.window->Profiles().Dialog();
}

// Types a name over the entry at the position in the list's in-place editor and ends with Enter; false
// when the editor did not open.
bool RenameInPlace(CConfigDialog& dialog, int position, const wchar_t* name) {
    dialog.List().SetCurSel(position);
    dialog.SendMessage(WM_COMMAND, Layout::kEdit, 0);
    const HWND editor = ::GetDlgItem(dialog.List().Hwnd(), CLBEditorWnd::kEditorId);
    if (editor == nullptr) {
        return false;
    }
    ::SetWindowTextW(editor, name);
    ::PostMessageW(editor, WM_KEYDOWN, VK_RETURN, 1);
    Pump();
    return true;
}

void CloseOn(MainWindow& main, int position) {
    CConfigDialog& dialog = *main.window->Profiles().Dialog();
    dialog.List().SetCurSel(position);
    ClickArea(dialog, Layout::kCloseArea);
    Pump();
}

TEST(ProfileManager, NewAddsUpToSixProfilesAndHidesTheLeftPanelWhileOpen) {
    StoredProfiles stored("A", "A");
    MainWindow main(stored.setup);
    CConfigDialog& dialog = Open(main);
    EXPECT_FALSE(main.window->Controls().Header(1).IsShown());
    EXPECT_FALSE(Shown(main.window->Controls().XSlider().Hwnd()));
    EXPECT_EQ(ListNames(dialog), (std::vector<std::string>{"A"}));

    for (int i = 0; i < 6; ++i) {
        ClickArea(dialog, Layout::kNewArea);
    }
    EXPECT_EQ(ListNames(dialog), (std::vector<std::string>{"A", "Profile 1", "Profile 2", "Profile 3",
                                                           "Profile 4", "Profile 5"}));
    ASSERT_EQ(main.prompts.questions.size(), 1u);
    EXPECT_EQ(main.prompts.questions[0].text, "Up to 6 Profiles Possible.");
    EXPECT_EQ(main.prompts.questions[0].caption, "ATTENTION!");

    // Copy of the selected entry, refused as well at six.
    dialog.List().SetCurSel(2);
    dialog.SendMessage(WM_COMMAND, Layout::kCopy, 0);
    EXPECT_EQ(main.prompts.questions.size(), 2u);
    dialog.List().SetCurSel(5);
    ClickArea(dialog, Layout::kDeleteArea);
    dialog.List().SetCurSel(2);
    dialog.SendMessage(WM_COMMAND, Layout::kCopy, 0);
    EXPECT_EQ(ListNames(dialog), (std::vector<std::string>{"A", "Profile 1", "Profile 2", "Profile 3",
                                                           "Profile 4", "Copy Profile 2"}));

    // Closing on the new "Profile 3" creates it from the factory settings and shows the panel again.
    CloseOn(main, 3);
    EXPECT_EQ(main.window->Profiles().Dialog(), nullptr);
    EXPECT_TRUE(main.window->Controls().Header(1).IsShown());
    EXPECT_EQ(stored.Text("str.ini", "Profile", "CurProfileName"), "Profile 3");
    EXPECT_EQ(stored.Text("str.ini", "Profile", "Item5"), "Copy Profile 2");
    EXPECT_EQ(stored.Text("str3.ini", "Profile", "IsDefault"), "Y");
    EXPECT_EQ(main.Services().Session.Working.SensitivityX, 5);
    EXPECT_EQ(main.Mouse().State().SensitivityX, 100);
}

TEST(ProfileManager, RenamesInPlaceAndStoresTheNameOnClose) {
    StoredProfiles stored("AB", "A");
    MainWindow main(stored.setup);
    CConfigDialog& dialog = Open(main);
    ASSERT_TRUE(RenameInPlace(dialog, 1, L"Work"));
    EXPECT_EQ(ListNames(dialog), (std::vector<std::string>{"A", "Work"}));
    CloseOn(main, 1);
    EXPECT_EQ(stored.Text("str.ini", "Profile", "Item1"), "Work");
    EXPECT_EQ(stored.Text("str.ini", "Profile", "CurProfileName"), "Work");
}

// Deleting the second of four profiles keeps every remaining name with its own settings and captions,
// after closing and after a restart; choosing a profile sends it to the mouse, closing on the active one
// sends nothing.
TEST(ProfileManager, DeleteKeepsEveryNameWithItsOwnSettings) {
    StoredProfiles stored("ABCD", "A");
    {
        MainWindow main(stored.setup);
        ProfileSession& session = main.Services().Session;
        EXPECT_EQ(session.Working.SensitivityX, 1);

        CConfigDialog& dialog = Open(main);
        const std::size_t before = main.Services().Trace().Lines().size();
        CloseOn(main, 0); // the active profile: nothing is sent
        EXPECT_EQ(main.Services().Trace().Lines().size(), before);

        Open(main);
        main.window->Profiles().Dialog()->List().SetCurSel(1);
        ClickArea(*main.window->Profiles().Dialog(), Layout::kDeleteArea);
        EXPECT_EQ(ListNames(*main.window->Profiles().Dialog()), (std::vector<std::string>{"A", "C", "D"}));
        CloseOn(main, 1);
        EXPECT_EQ(session.Working.SensitivityX, 3);
        EXPECT_EQ(session.Captions[0], "Key C");
        EXPECT_EQ(main.Mouse().State().SensitivityX, 60);
        EXPECT_GT(main.Services().Trace().Lines().size(), before);
        (void)dialog;
    }
    MainWindow restarted(stored.setup);
    ProfileSession& session = restarted.Services().Session;
    EXPECT_EQ(session.Working.SensitivityX, 3);
    EXPECT_EQ(session.Captions[0], "Key C");
    const char letters[] = {'A', 'C', 'D'};
    for (int position : {2, 0}) {
        Open(restarted);
        CloseOn(restarted, position);
        EXPECT_EQ(session.Working.SensitivityX, letters[position] - 'A' + 1);
        EXPECT_EQ(session.Captions[0], std::string("Key ") + letters[position]);
        EXPECT_EQ(restarted.Mouse().State().SensitivityX, (letters[position] - 'A' + 1) * 20);
    }
    EXPECT_FALSE(stored.files.FileExists(stored.folder.Path() + "config3.bin"));
}

// A start on the second entry works on that entry: the manager opens on it, closing it without a choice
// loads nothing, and the next change is saved to the second entry's files while the first entry's stay.
TEST(ProfileManager, AStartOnTheSecondEntryKeepsTheFirstEntrysFiles) {
    StoredProfiles stored("ABC", "B");
    MainWindow main(stored.setup);
    const std::string folder = stored.folder.Path();
    const auto firstProfile = stored.Read(folder + "config0.bin");
    const auto firstCaptions = stored.Read(folder + "str0.ini");

    CConfigDialog& dialog = Open(main);
    EXPECT_EQ(dialog.List().GetCurSel(), 1);
    ClickArea(dialog, Layout::kCloseArea);
    EXPECT_EQ(main.window->Profiles().Dialog(), nullptr);
    CDMarker& slider = main.window->Controls().XSlider(); // 208 pixels, 1..11: the right end is 11
    slider.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(208, 4));
    slider.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(208, 4));
    Pump();

    EXPECT_EQ(stored.Read(folder + "config0.bin"), firstProfile);
    EXPECT_EQ(stored.Read(folder + "str0.ini"), firstCaptions);
    const auto second = stored.Read(folder + "config1.bin");
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ((*second)[1 + 169], 11); // SensitivityX, after the marker byte
    EXPECT_EQ(stored.Text("str1.ini", "Setting-EN", "Item1"), "Key B");
    EXPECT_EQ(main.Mouse().State().SensitivityX, 220);
}

TEST(ProfileManager, ImportAndExportThroughTheFileDialogs) {
    StoredProfiles stored("AB", "A");
    MainWindow main(stored.setup);
    ProfileSession& session = main.Services().Session;
    const std::string folder = stored.folder.Path();
    // An exported pair of B's settings, taken back into A with the lift-off switch kept.
    std::vector<std::uint8_t> exported;
    {
        CConfigDialog& dialog = Open(main);
        stored.files.CreateDirectories(folder + "backup.bin\\");
        main.prompts.fileAnswers.push_back(folder + "backup.bin\\name");
        dialog.List().SetCurSel(1);
        dialog.SendMessage(WM_COMMAND, Layout::kSave, 0);
        Pump();
        exported = stored.Read(folder + "backup.bin\\name.bin").value_or(std::vector<std::uint8_t>{});
        ProfileSettings b = StoredProfiles::Settings('B');
        b.LiftOffEnabled = session.Working.LiftOffEnabled;
        EXPECT_EQ(exported, ProfileFile::Encode(b));
        EXPECT_EQ(
            ini::IniFile(stored.files, folder + "backup.bin\\name.ini").ReadString("Setting-EN", "Item1"),
            "Key B");
        EXPECT_EQ(session.Working.SensitivityX, 1); // the export changed nothing
    }
    struct Case {
        std::size_t size;
        int sensitivity;
    };
    for (const Case& c : {Case{1892, 1}, Case{1894, 1}, Case{1893, 2}}) {
        std::vector<std::uint8_t> file = exported;
        file.resize(c.size, 0);
        file[1 + 172] =
            static_cast<std::uint8_t>(session.Working.LiftOffEnabled ? 0 : 1); // the opposite switch
        stored.files.WriteFileAtomically(folder + "in.bin", file);
        stored.files.WriteFileAtomically(folder + "in.ini", Bytes("[Setting-EN]\r\nItem1=Imported\r\n"));
        const std::uint32_t liftOff = session.Working.LiftOffEnabled;
        session.Captions[0] = "Key A";
        main.prompts.fileAnswers.push_back(folder + "in.bin");
        main.window->Profiles().Dialog()->List().SetCurSel(0);
        main.window->Profiles().Dialog()->SendMessage(WM_COMMAND, Layout::kLoad, 0);
        Pump();
        EXPECT_EQ(session.Working.SensitivityX, c.sensitivity) << c.size;
        EXPECT_EQ(session.Working.LiftOffEnabled, liftOff) << c.size;
        EXPECT_EQ(session.Captions[0], "Imported") << c.size;
    }
    // A cancelled import changes no file.
    const auto config0 = stored.Read(folder + "config0.bin");
    main.prompts.fileAnswers.push_back(std::nullopt);
    main.window->Profiles().Dialog()->SendMessage(WM_COMMAND, Layout::kLoad, 0);
    Pump();
    EXPECT_EQ(stored.Read(folder + "config0.bin"), config0);
    EXPECT_EQ(stored.Read(folder + "config1.bin"), ProfileFile::Encode(StoredProfiles::Settings('B')));
}

// Programs given to a profile in its context menu's submenu are saved at once and keep following it when
// the list's entries are renamed, deleted and moved.
TEST(ProfileManager, ProgramsFollowTheirProfileThroughRenamesAndDeletes) {
    StoredProfiles stored("ABC", "A");
    MainWindow main(stored.setup);
    const ProgramRulesStore file(stored.files, stored.folder.Path());
    CConfigDialog& dialog = Open(main);
    const auto command = [&](int position, UINT id) {
        dialog.List().SetCurSel(position);
        dialog.SendMessage(WM_COMMAND, id, 0);
        Pump();
    };
    main.prompts.fileAnswers = {"C:\\Games\\doom.exe", std::nullopt, "C:\\Tools\\editor.exe"};
    command(1, Layout::kAddProgram);
    command(1, Layout::kAddProgram); // cancelled: nothing added
    command(1, Layout::kAddProgram);
    command(2, Layout::kReturnToThis);
    EXPECT_EQ(file.Read().ProgramsOf("B"),
              (std::vector<std::string>{"C:\\Games\\doom.exe", "C:\\Tools\\editor.exe"}));
    EXPECT_EQ(file.Read().Fallback(), "C");
    EXPECT_EQ(main.prompts.questions.back().caption, "Programs(*.exe)|*.exe||");
    command(1, Layout::kFirstProgram + 1); // the second program of B goes

    // B renamed in place, A deleted: B and C move up.
    ASSERT_TRUE(RenameInPlace(dialog, 1, L"B: \u518d"));
    dialog.List().SetCurSel(0);
    ClickArea(dialog, Layout::kDeleteArea);
    CloseOn(main, 0);

    const ProgramRules rules = file.Read();
    EXPECT_EQ(rules.Rules(), (std::vector<ProgramRules::Rule>{{"C:\\Games\\doom.exe", "B: \xE5\x86\x8D"}}));
    EXPECT_EQ(rules.Fallback(), "C");
    EXPECT_EQ(main.Services().Rules(), rules);
}

// The icon's menu lists the stored profiles above its own items, the current one marked; choosing one makes
// it the active profile without the window: loaded, stored as the current name, sent to the mouse, named in
// a balloon. Automatic switching is the item between them.
TEST(ProfileManager, TheIconMenuListsTheProfilesAndSwitchesWithoutTheWindow) {
    StoredProfiles stored("ABC", "B");
    MainWindow main(stored.setup);
    std::vector<UINT> ids;
    {
        test::ModalScript script({[&] {
            ids = test::ShownMenuIds();
            ::EndMenu();
        }});
        main.window->SendMessage(CMouseConfigurationDlg::kTrayNotification, CTrayIcon::kIconId, WM_RBUTTONUP);
    }
    ASSERT_GE(ids.size(), 7u);
    EXPECT_EQ(std::vector<UINT>(ids.begin(), ids.begin() + 3), (std::vector<UINT>{1210, 1211, 1212}));
    EXPECT_EQ(ids[4], 1200u);
    EXPECT_EQ(ids.back(), static_cast<UINT>(IDCANCEL));

    main.window->SwitchProfile(2);
    Pump();
    ProfileSession& session = main.Services().Session;
    EXPECT_EQ(session.Working.SensitivityX, 3);
    EXPECT_EQ(session.Captions[0], "Key C");
    EXPECT_EQ(main.Mouse().State().SensitivityX, 60);
    EXPECT_EQ(stored.Text("str.ini", "Profile", "CurProfileName"), "C");
    EXPECT_EQ(main.window->Tray().LastBalloonText(), L"Active profile: C");
    EXPECT_FALSE(main.window->IsWindowVisible());
}

// A program of its own started by the test.
struct OtherProgram {
    explicit OtherProgram(const wchar_t* path) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring command = path;
        if (::CreateProcessW(path, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                             &process)) {
            for (int attempt = 0; attempt < 200 && window == nullptr; ++attempt) {
                Pump();
                ::EnumWindows(
                    [](HWND candidate, LPARAM self) -> BOOL {
                        auto& program = *reinterpret_cast<OtherProgram*>(self);
                        DWORD owner = 0;
                        ::GetWindowThreadProcessId(candidate, &owner);
                        if (owner == program.process.dwProcessId && ::IsWindowVisible(candidate)) {
                            program.window = candidate;
                            return FALSE;
                        }
                        return TRUE;
                    },
                    reinterpret_cast<LPARAM>(this));
            }
        }
    }
    ~OtherProgram() {
        if (process.hProcess != nullptr) {
            ::TerminateProcess(process.hProcess, 0);
            ::WaitForSingleObject(process.hProcess, 5000);
            ::CloseHandle(process.hProcess);
            ::CloseHandle(process.hThread);
        }
    }
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

// Waits, handling messages, until the active profile's X sensitivity is the given one or two seconds pass.
bool ActiveBecomes(MainWindow& main, int sensitivity) {
    for (int round = 0; round < 40 && main.Services().Session.Working.SensitivityX != sensitivity; ++round) {
        Pump();
        ::Sleep(25);
    }
    return main.Services().Session.Working.SensitivityX == sensitivity;
}

// A program given to a profile switches to that profile once it has been in front for half a second; a
// program without one returns to the profile marked for it; switching off stops both.
TEST(ProfileManager, TheProgramInFrontChoosesTheProfile) {
    StoredProfiles stored("ABC", "A");
    ProgramRules rules;
    rules.Add("C", "c:\\WINDOWS\\system32\\notepad.exe");
    rules.SetFallback("B");
    ASSERT_EQ(ProgramRulesStore(stored.files, stored.folder.Path()).Write(rules), 0);
    MainWindow main(stored.setup);
    ASSERT_EQ(main.Services().Session.Working.SensitivityX, 1);

    OtherProgram notepad(L"C:\\windows\\system32\\notepad.exe");
    OtherProgram mines(L"C:\\windows\\system32\\winemine.exe");
    ASSERT_NE(notepad.window, nullptr);
    ASSERT_NE(mines.window, nullptr);
    // Wine does not send the system's foreground event, so the test hands the switcher the window that
    // came to the front as the event's callback would.
    ForegroundSwitcher& following = main.window->Following();
    following.OnForeground(notepad.window);
    EXPECT_TRUE(ActiveBecomes(main, 3)) << "notepad's profile C";
    EXPECT_EQ(stored.Text("str.ini", "Profile", "CurProfileName"), "C");
    EXPECT_EQ(main.Mouse().State().SensitivityX, 60);

    following.OnForeground(mines.window);
    EXPECT_TRUE(ActiveBecomes(main, 2)) << "no rule: back to B";

    main.Services().Rules().SetEnabled(false);
    following.OnForeground(notepad.window);
    EXPECT_FALSE(ActiveBecomes(main, 3)) << "switching turned off";
}

} // namespace
} // namespace corvalith
