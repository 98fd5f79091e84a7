#include "macro/MacroRecorder.h"
#include "doubles/FakeClock.h"
#include "doubles/FakeKeyboardHook.h"
#include "doubles/MemoryFileSystem.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

using Action = MacroRecorder::HookAction;
using Strings = std::vector<std::string>;

const std::string kPath = "/data/record.ini";

constexpr std::uint32_t kShift = 0xA0;
constexpr std::uint32_t kCtrl = 0xA2;
constexpr std::uint32_t kA = 0x41;
constexpr std::uint32_t kEnter = 0x0D;
constexpr std::uint32_t kCancel = 0x03; // Ctrl+Break arrives as this code, which has no name
constexpr std::uint32_t kDown = 0x00;
constexpr std::uint32_t kUp = 0x80;
constexpr std::uint32_t kExtended = 0x01;

struct KeyEvent {
    std::uint32_t at; // clock time of the event
    std::uint32_t key;
    std::uint32_t flags;
};

// The macro manager's side: a record.ini with one macro, the event list, the hook and the clock.
struct Manager {
    Manager() {
        files.PutText(kPath, "[MacroName]\r\nMacroCount=2\r\n0=Macro_1\r\n1=Macro_2\r\n");
        clock.now = 1000;
    }

    // Runs each event through the hook and, like the message loop, hands every posted message on.
    std::vector<Action> Press(const std::vector<KeyEvent>& events) {
        std::vector<Action> actions;
        for (const KeyEvent& event : events) {
            clock.now = event.at;
            const Action action = recorder.OnHookEvent(0, event.key, event.flags);
            actions.push_back(action);
            if (action != Action::PassOn) {
                recorder.OnKeyEventMessage();
            }
        }
        return actions;
    }

    std::string File() const {
        const auto bytes = files.Get(kPath);
        return std::string(bytes.begin(), bytes.end());
    }

    test::MemoryFileSystem files;
    MacroFile file{files, kPath};
    test::FakeKeyboardHook hook;
    test::FakeClock clock;
    Strings events;
    MacroRecorder recorder{{hook, clock, file}, events};
};

TEST(MacroRecorder, RecordsKeyTransitionsWithAndWithoutDelays) {
    const std::vector<KeyEvent> shiftA = {
        {1100, kShift, kDown}, {1250, kA, kDown}, {1400, kA, kUp}, {1600, kShift, kUp}};
    struct Case {
        const char* what;
        bool delays;
        std::vector<KeyEvent> keys;
        Strings items;
    };
    const Case cases[] = {
        {"Shift+A", false, shiftA, {"Shift   Dn", "A   Dn", "A   Up", "Shift   Up"}},
        {"Shift+A with delays",
         true,
         shiftA,
         {"Shift   Dn", "150 ms", "A   Dn", "150 ms", "A   Up", "200 ms", "Shift   Up"}},
        {"a held key is recorded once",
         false,
         {{1100, kA, kDown}, {1150, kA, kDown}, {1200, kA, kDown}, {1300, kA, kUp}},
         {"A   Dn", "A   Up"}},
        {"a held key with delays",
         true,
         {{1100, kA, kDown}, {1150, kA, kDown}, {1300, kA, kUp}},
         {"A   Dn", "200 ms", "A   Up"}},
        {"keypad Enter, held",
         false,
         {{1100, kEnter, kExtended}, {1150, kEnter, kExtended}, {1200, kEnter, kExtended | kUp}},
         {"Num Enter   Dn", "Num Enter   Up"}},
        {"main Enter", false, {{1100, kEnter, kDown}, {1200, kEnter, kUp}}, {"Enter   Dn", "Enter   Up"}},
        {"flags other than extended and released are ignored",
         false,
         {{1100, kA, 0x10}, {1120, kA, 0x30}, {1200, kA, 0x90}},
         {"A   Dn", "A   Up"}},
        {"Ctrl+Break records only Ctrl",
         false,
         {{1100, kCtrl, kDown},
          {1200, kCancel, kExtended},
          {1250, kCancel, kExtended | kUp},
          {1300, kCtrl, kUp}},
         {"Ctrl   Dn", "Ctrl   Up"}},
        {"a key up before any key down is measured from the start",
         true,
         {{1300, kA, kUp}},
         {"300 ms", "A   Up"}},
        {"the tick count may wrap",
         true,
         {{4294967290u, kA, kDown}, {4, kA, kUp}},
         {"A   Dn", "10 ms", "A   Up"}},
    };
    for (const Case& c : cases) {
        Manager manager;
        manager.events = {"left over"};
        manager.recorder.SetDelayRecording(c.delays);
        ASSERT_EQ(manager.recorder.Start("Macro_1", "3"), MacroRecorder::StartResult::Started) << c.what;
        manager.Press(c.keys);
        EXPECT_EQ(manager.events, c.items) << c.what;
        EXPECT_TRUE(manager.recorder.IsRecording()) << c.what;
        Strings snapshot = {"Macro_1", c.delays ? "1" : "0", "3"};
        snapshot.insert(snapshot.end(), c.items.begin(), c.items.end());
        EXPECT_EQ(manager.recorder.Snapshot(), snapshot) << c.what;
    }
}

TEST(MacroRecorder, TheHookSwallowsForwardedEventsAndPassesRepeatsOn) {
    Manager manager;
    manager.recorder.Start("Macro_1", "1");
    const auto actions = manager.Press({{1100, kA, kDown},
                                        {1110, kA, kDown},
                                        {1120, kA, kUp},
                                        {1130, kCancel, kDown},
                                        {1140, kEnter, kExtended},
                                        {1150, kEnter, kExtended}});
    EXPECT_EQ(actions, (std::vector<Action>{Action::PostKeyDown, Action::PassOn, Action::PostKeyUp,
                                            Action::PostKeyDown, Action::PostKeyDown, Action::PassOn}));
    EXPECT_EQ(manager.recorder.EventCounter(), 4u);
    // Codes other than the action code pass on and count nothing.
    EXPECT_EQ(manager.recorder.OnHookEvent(1, kA, kDown), Action::PassOn);
    EXPECT_EQ(manager.recorder.OnHookEvent(-1, 0x42, kDown), Action::PassOn);
    EXPECT_EQ(manager.recorder.EventCounter(), 4u);
}

TEST(MacroRecorder, EachMessageIsHandledWithTheKeyItWasPostedFor) {
    Manager manager;
    manager.recorder.Start("Macro_1", "1");
    // Two hook calls run before the first message is handled.
    manager.recorder.OnHookEvent(0, kShift, kDown);
    manager.recorder.OnHookEvent(0, kA, kDown);
    manager.recorder.OnKeyEventMessage();
    manager.recorder.OnKeyEventMessage();
    EXPECT_EQ(manager.events, (Strings{"Shift   Dn", "A   Dn"}));
    // A message without a queued event adds nothing.
    EXPECT_EQ(manager.recorder.OnKeyEventMessage(), MacroRecorder::KeyEventResult::Ignored);
}

TEST(MacroRecorder, The63rdEventStopsAndSavesWhatWasRecorded) {
    Manager manager;
    manager.recorder.Start("Macro_2", "7");
    std::vector<KeyEvent> keys;
    for (std::uint32_t i = 0; i < 31; ++i) {
        keys.push_back({1000 + 2 * i, 0x41 + (i % 26), kDown});
        keys.push_back({1001 + 2 * i, 0x41 + (i % 26), kUp});
    }
    manager.Press(keys);
    ASSERT_EQ(manager.events.size(), 62u);
    EXPECT_TRUE(manager.recorder.IsRecording());

    EXPECT_EQ(manager.recorder.OnHookEvent(0, 0x5A, kDown), Action::PostKeyDown);
    EXPECT_EQ(manager.recorder.OnKeyEventMessage(), MacroRecorder::KeyEventResult::Stopped);

    EXPECT_FALSE(manager.recorder.IsRecording());
    EXPECT_FALSE(manager.hook.installed);
    EXPECT_EQ(manager.recorder.EventCounter(), 0u);
    EXPECT_EQ(manager.recorder.FirstKey(), MacroRecorder::FirstKeyState::Stopped);
    EXPECT_EQ(manager.events.size(), 62u);
    const Macro saved = manager.file.ReadMacro("Macro_2");
    EXPECT_EQ(saved.Items, manager.events);
    EXPECT_EQ(saved.LoopCountText, "7");
    EXPECT_EQ(saved.Items[61], "E   Up");
}

TEST(MacroRecorder, StopSavesTheEventListAsAFullSave) {
    Manager manager;
    manager.recorder.SetDelayRecording(true);
    manager.recorder.Start("Macro_1", "2");
    manager.Press({{1100, kA, kDown}, {1180, kA, kUp}});
    manager.recorder.SetDelayRecording(false); // the check box may change while recording
    manager.recorder.SetLoopCountText("4");
    ASSERT_TRUE(manager.recorder.Stop());
    EXPECT_EQ(manager.File(), "[MacroName]\r\nMacroCount=2\r\n0=Macro_1\r\n1=Macro_2\r\n"
                              "[Macro_1]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=4\r\nItemCount=3\r\n"
                              "Item0=A   Dn\r\nItem1=80 ms\r\nItem2=A   Up\r\n");
    EXPECT_EQ(manager.hook.removals, 1);
    // Stopping again, and messages still queued, change nothing.
    EXPECT_FALSE(manager.recorder.Stop());
    EXPECT_EQ(manager.recorder.OnKeyEventMessage(), MacroRecorder::KeyEventResult::Ignored);
    EXPECT_EQ(manager.events.size(), 3u);
}

TEST(MacroRecorder, ASelectionChangeSavesTheSnapshotUnderTheRecordedMacro) {
    Manager manager;
    manager.recorder.SetDelayRecording(true);
    manager.recorder.Start("Macro_2", "5");
    manager.Press({{1040, kCtrl, kDown}, {1100, kCtrl, kUp}});
    // The manager's list now shows the other macro's items; the snapshot still has the recording.
    manager.events = {"B   Dn"};
    ASSERT_TRUE(manager.recorder.StopForSelectionChange({"Macro_1", "Macro_2", "Macro_3"}));
    EXPECT_EQ(manager.File(), "[MacroName]\r\nMacroCount=3\r\n0=Macro_1\r\n1=Macro_2\r\n2=Macro_3\r\n"
                              "[Macro_2]\r\nDelayTimeSelStatus=1\r\nMacroLoopTimes=5\r\nItemCount=3\r\n"
                              "Item0=Ctrl   Dn\r\nItem1=60 ms\r\nItem2=Ctrl   Up\r\n");
    EXPECT_FALSE(manager.recorder.IsRecording());
    EXPECT_FALSE(manager.hook.installed);
    EXPECT_EQ(manager.recorder.FirstKey(), MacroRecorder::FirstKeyState::Stopped);
    EXPECT_FALSE(manager.recorder.StopForSelectionChange({"Macro_1"}));
}

TEST(MacroRecorder, StartingNeedsASelectedMacroAndTheHook) {
    {
        Manager manager;
        manager.events = {"kept"};
        EXPECT_EQ(manager.recorder.Start(std::nullopt, "1"), MacroRecorder::StartResult::NoMacroSelected);
        EXPECT_EQ(manager.events, (Strings{"kept"}));
        EXPECT_FALSE(manager.hook.installed);
        EXPECT_FALSE(manager.recorder.IsRecording());
    }
    {
        // Without the hook nothing is recorded: the macro keeps its events, so the next save keeps them.
        Manager manager;
        manager.events = {"A   Dn", "A   Up"};
        const std::string before = manager.File();
        manager.hook.installError = 1428;
        EXPECT_EQ(manager.recorder.Start("Macro_1", "1"), MacroRecorder::StartResult::HookFailed);
        EXPECT_EQ(manager.recorder.HookError(), 1428);
        EXPECT_EQ(MacroRecorder::HookFailureMessage(1428), "JournalRecordHook Install error code :1428\n");
        EXPECT_EQ(manager.events, (Strings{"A   Dn", "A   Up"}));
        EXPECT_FALSE(manager.recorder.IsRecording());
        EXPECT_EQ(manager.recorder.OnHookEvent(0, kA, kDown), Action::PassOn);
        EXPECT_FALSE(manager.recorder.Stop());
        EXPECT_EQ(manager.File(), before);
        // Once the hook can be installed, the recording starts from an empty list.
        manager.hook.installError = 0;
        EXPECT_EQ(manager.recorder.Start("Macro_1", "1"), MacroRecorder::StartResult::Started);
        EXPECT_TRUE(manager.events.empty());
    }
}

TEST(MacroRecorder, EachRecordingStartsAfresh) {
    Manager manager;
    manager.recorder.Start("Macro_1", "1");
    manager.Press({{1100, kA, kDown}});
    manager.recorder.Stop();
    // The same key down again starts the next recording: it is no repeat of the last one.
    ASSERT_EQ(manager.recorder.Start("Macro_1", "1"), MacroRecorder::StartResult::Started);
    EXPECT_EQ(manager.hook.installs, 2);
    EXPECT_EQ(manager.recorder.FirstKey(), MacroRecorder::FirstKeyState::NothingRecorded);
    manager.Press({{1200, kA, kDown}});
    EXPECT_EQ(manager.events, (Strings{"A   Dn"}));
}

TEST(MacroRecorder, DestroyingTheRecorderRemovesAnInstalledHook) {
    test::MemoryFileSystem files;
    MacroFile file(files, kPath);
    test::FakeKeyboardHook hook;
    test::FakeClock clock;
    Strings events;
    {
        MacroRecorder recorder({hook, clock, file}, events);
        recorder.Start("Macro_1", "1");
        EXPECT_TRUE(hook.installed);
    }
    EXPECT_FALSE(hook.installed);
}

} // namespace
} // namespace corvalith
