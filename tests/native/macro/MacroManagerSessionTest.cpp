#include "macro/MacroManagerSession.h"
#include "doubles/FakeClock.h"
#include "doubles/FakeKeyboardHook.h"
#include "doubles/MemoryFileSystem.h"
#include "doubles/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace corvalith {
namespace {

using Items = std::vector<std::string>;

const std::string kPath = "/data/Corvalith/record.ini";
const char* const kTwoMacros =
    "[MacroName]\r\nMacroCount=2\r\n0=Macro_1\r\n1=Macro_2\r\n"
    "[Macro_1]\r\nMacroLoopTimes=3\r\nItemCount=2\r\nItem0=A   Dn\r\nItem1=A   Up\r\n"
    "[Macro_2]\r\nMacroLoopTimes=1\r\nItemCount=1\r\nItem0=B   Dn\r\n";

// The lists and boxes of the window, held as plain values; a new loop-count text is reported back as
// the edit box does.
struct ListView : IMacroManagerView {
    Items names, events;
    int nameSelection = -1, eventSelection = -1;
    std::string loopText;
    bool loopEnabled = false;
    std::function<void()> loopChanged;

    Items Names() const override { return names; }
    std::string Name(int i) const override { return i >= 0 && i < int(names.size()) ? names[i] : ""; }
    int NameSelection() const override { return nameSelection; }
    void SelectName(int i) override { nameSelection = i >= 0 && i < int(names.size()) ? i : -1; }
    int AddName(const std::string& name) override {
        names.push_back(name);
        return int(names.size()) - 1;
    }
    void RemoveName(int i) override {
        names.erase(names.begin() + i);
        nameSelection = -1;
    }
    void FillNames(const std::vector<std::string>& n) override {
        names = n;
        nameSelection = -1;
    }
    int FindName(const std::string& name) const override {
        const auto found = std::find(names.begin(), names.end(), name);
        return found == names.end() ? -1 : int(found - names.begin());
    }
    std::vector<std::string> Events() const override { return events; }
    int EventSelection() const override { return eventSelection; }
    void ShowEvents(const std::vector<std::string>& items, int selection) override {
        events = items;
        eventSelection = selection;
    }
    std::string LoopText() const override { return loopText; }
    void SetLoopText(const std::string& text) override {
        loopText = text;
        loopChanged();
    }
    void EnableLoopCount(bool on) override { loopEnabled = on; }
    void ShowRecordState(bool) override {}
    void Repaint() override {}
};

struct Manager {
    test::MemoryFileSystem memory;
    test::FakeKeyboardHook hook;
    test::FakeClock clock;
    test::ScriptedPrompts prompts;
    MacroFile file{memory, kPath};
    Items recorded;
    MacroRecorder recorder{{hook, clock, file}, recorded};
    ListView view;
    MacroManagerSession session{{view, file, recorder, recorded, prompts}};

    explicit Manager(const Items& labels) {
        memory.PutText(kPath, kTwoMacros);
        view.loopChanged = [this] { session.LoopCountChanged(); };
        session.Open("EN", labels, nullptr);
        session.LoadList();
    }
};

TEST(MacroManagerSession, NewAndDeleteKeepTheListAndTheFileTogether) {
    struct Case {
        const char* what;
        Items labels; // the buttons' captions
        int selected;
        std::function<void(MacroManagerSession&)> click;
        int writeError;
        Items names;
        int selection;
        Items events;
        std::string message;
    };
    const auto newMacro = [](MacroManagerSession& s) { s.NewMacro(); };
    const auto deleteMacro = [](MacroManagerSession& s) { s.DeleteMacro(); };
    const Case cases[] = {
        {"new", {}, 0, newMacro, 0, {"Macro_1", "Macro_2", "Macro_3"}, 2, {}, ""},
        {"delete the first", {}, 0, deleteMacro, 0, {"Macro_2"}, 0, {"B   Dn"}, ""},
        {"delete the last", {}, 1, deleteMacro, 0, {"Macro_1"}, 0, {"A   Dn", "A   Up"}, ""},
        {"delete what a button plays",
         {"Left Click", "Macro:macro_2"},
         1,
         deleteMacro,
         0,
         {"Macro_1", "Macro_2"},
         1,
         {"B   Dn"},
         ""},
        // the lists show the file again, the macro at the selected place selected while it is listed
        {"new, the write fails",
         {},
         1,
         newMacro,
         5,
         {"Macro_1", "Macro_2"},
         0,
         {"A   Dn", "A   Up"},
         "Macro file write error code :5\n"},
        {"delete, the write fails",
         {},
         0,
         deleteMacro,
         5,
         {"Macro_1", "Macro_2"},
         1,
         {"B   Dn"},
         "Macro file write error code :5\n"},
    };
    for (const Case& c : cases) {
        Manager manager(c.labels);
        manager.view.SelectName(c.selected);
        manager.session.SelectMacro();
        manager.memory.writeError = c.writeError;
        c.click(manager.session);
        EXPECT_EQ(manager.view.names, c.names) << c.what;
        EXPECT_EQ(manager.view.nameSelection, c.selection) << c.what;
        EXPECT_EQ(manager.view.events, c.events) << c.what;
        if (c.writeError == 0) {
            EXPECT_EQ(manager.file.ReadList(), c.names) << c.what;
        }
        const std::string shown = manager.prompts.questions.empty() ? "" : manager.prompts.questions[0].text;
        EXPECT_EQ(shown, c.message) << c.what;
    }
}

} // namespace
} // namespace corvalith
