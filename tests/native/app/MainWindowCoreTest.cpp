#include "app/DeviceStatus.h"
#include "app/MainWindowModel.h"
#include "app/MainWindowPlan.h"
#include "app/ProgramStartup.h"
#include "app/SettingsDispatch.h"
#include "doubles/MemoryFileSystem.h"
#include "doubles/RecordingDebugOutput.h"
#include "doubles/StorageCollaborators.h"
#include "platform/FixedDataFolderLocator.h"
#include "sim/SimulatedClock.h"
#include "sim/VirtualMouse.h"
#include "skin/SkinFileNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace corvalith {
namespace {

using Image = MainWindowPlan::Image;
using Text = MainWindowPlan::Text;
using Font = MainWindowPlan::Font;
using Placement = MainWindowPlan::Placement;
using Names = SkinFileNames;

// H1 = 160 (button-assignment panel), H2 = 120 (axis panel); every section open puts header 3 at
// 317..337 and header 4 at 462..482.
MainWindowLayout AllOpen() {
    MainWindowLayout layout(160, 120);
    layout.Toggle(MainWindowLayout::ButtonAssignment, false);
    layout.Toggle(MainWindowLayout::AxisSensitivity, false);
    layout.Toggle(MainWindowLayout::LiftOff, false);
    return layout;
}

TEST(MainWindowPlan, ImagesFollowTheViewTheSectionsAndTheSwitch) {
    const MainWindowLayout closed(160, 120);
    const std::vector<Image> top = MainWindowPlan::Images(closed, {MainWindowPlan::View::Top, -1, false});
    ASSERT_GE(top.size(), 5u);
    EXPECT_EQ(top[0], (Image{Names::InSkins(Names::kLogo), 20, 32}));
    EXPECT_EQ(top[1], (Image{Names::InSkins(Names::kMainMid), 262, 2}));
    EXPECT_EQ(top[2], (Image{Names::InSkins(Names::kMouseFront), 395, 85}));
    EXPECT_EQ(top[top.size() - 2], (Image{Names::InSkins(Names::kMainLeft), 20, 107}));
    EXPECT_EQ(top.back(), (Image{Names::InSkins(Names::kMLogo), 40, 525}));
    // Six hot spots of the top view with nothing selected.
    EXPECT_EQ(top.size(), 3u + 6u + 2u);

    const std::vector<Image> side = MainWindowPlan::Images(AllOpen(), {MainWindowPlan::View::Side, 4, false});
    EXPECT_EQ(side[2], (Image{Names::InSkins(Names::kMouseSide), 300, 226}));
    const std::vector<Image> tail(side.end() - 7, side.end());
    EXPECT_EQ(tail,
              (std::vector<Image>{{Names::InSkins(Names::kMainLeft), 20, 107},
                                  {Names::InSkins(Names::kMLogo), 40, 525},
                                  {Names::InSkins(Names::kButtonAssignment), 20, 127},
                                  {Names::InSkins(Names::kXYSensitivity), 20, 337},
                                  {Names::InSkins(Names::kLiftOff), 20, 482},
                                  {Names::InSkins(Names::kDisable), 40, 496}, // off: the left (on) mark unlit
                                  {Names::InSkins(Names::kEnable), 178, 496}}));
    const std::vector<Image> on = MainWindowPlan::Images(AllOpen(), {MainWindowPlan::View::Side, 4, true});
    EXPECT_EQ(on[on.size() - 2], (Image{Names::InSkins(Names::kEnable), 40, 496}));
    EXPECT_EQ(on.back(), (Image{Names::InSkins(Names::kDisable), 178, 496}));
}

TEST(MainWindowPlan, TextsOfTheOpenSectionsAndTheNote) {
    LanguageTable english;
    english.Fill("EN");
    const std::vector<Text> open = MainWindowPlan::Texts(AllOpen(), english);
    ASSERT_EQ(open.size(), 7u + 2u + 20u + 2u + 6u + 1u);
    EXPECT_EQ(open[0], (Text{"Button 1", {31, 156, 115, 170}, Font::Main, Placement::Line}));
    EXPECT_EQ(open[6], (Text{"Button 7", {31, 276, 115, 290}, Font::Main, Placement::Line}));
    EXPECT_EQ(open[7], (Text{"x-Axis", {37, 342, 262, 362}, Font::Label, Placement::CentredLine}));
    EXPECT_EQ(open[8], (Text{"y-Axis", {37, 402, 262, 422}, Font::Label, Placement::CentredLine}));
    EXPECT_EQ(open[9], (Text{"1", {44, 374, 262, 394}, Font::Label, Placement::CentredLine}));
    EXPECT_EQ(open[10], (Text{"1", {44, 434, 262, 454}, Font::Label, Placement::CentredLine}));
    EXPECT_EQ(open[27], (Text{"10", {233, 374, 262, 394}, Font::Label, Placement::CentredLine}));
    EXPECT_EQ(open[29], (Text{"ON", {56, 494, 262, 508}, Font::Main, Placement::CentredLine}));
    EXPECT_EQ(open[30], (Text{"OFF", {196, 494, 262, 508}, Font::Main, Placement::CentredLine}));
    EXPECT_EQ(open[31], (Text{"1", {44, 534, 262, 548}, Font::Main, Placement::CentredLine}));
    EXPECT_EQ(open[36], (Text{"6", {238, 534, 262, 548}, Font::Main, Placement::CentredLine}));
    EXPECT_EQ(open.back().Box, (Rect{194, 612, 903, 629}));
    EXPECT_EQ(open.back().Place, Placement::FromPoint);

    const std::vector<Text> closed = MainWindowPlan::Texts(MainWindowLayout(160, 120), english);
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(closed[0].Words.rfind("Note: the color of the product", 0), 0u);
}

TEST(MainWindowModel, CommandsAskForWhatTheyChangedOnly) {
    using Changes = MainWindowModel::Changes;
    using View = MainWindowPlan::View;
    const Changes none{};
    const Changes selection{.Middle = true, .RowChecks = true};
    const Changes viewChange{.Middle = true, .ViewButtons = true};
    const Changes viewAndSelection{.Middle = true, .RowChecks = true, .ViewButtons = true};
    const Changes panel{.Panel = true, .Sections = true};
    const Changes axisPanel{.Panel = true, .PanelBelowAxis = true, .Sections = true};

    MainWindowModel model(160, 120);
    struct Step {
        const char* name;
        Changes (*command)(MainWindowModel&);
        Changes expected;
    };
    const Step steps[] = {
        {"clear with nothing selected", [](MainWindowModel& m) { return m.ClearSelection(); }, none},
        {"top view again", [](MainWindowModel& m) { return m.SelectView(View::Top); }, none},
        {"row 4", [](MainWindowModel& m) { return m.SelectRow(4); }, selection},
        {"row 4 again", [](MainWindowModel& m) { return m.SelectRow(4); }, none},
        {"side view clears the row", [](MainWindowModel& m) { return m.SelectView(View::Side); },
         viewAndSelection},
        {"side view again", [](MainWindowModel& m) { return m.SelectView(View::Side); }, none},
        {"open the assignment",
         [](MainWindowModel& m) { return m.Toggle(MainWindowLayout::ButtonAssignment, false); }, panel},
        {"open the axes",
         [](MainWindowModel& m) { return m.Toggle(MainWindowLayout::AxisSensitivity, false); }, axisPanel},
        {"open the axes again",
         [](MainWindowModel& m) { return m.Toggle(MainWindowLayout::AxisSensitivity, false); }, none},
        {"open lift-off", [](MainWindowModel& m) { return m.Toggle(MainWindowLayout::LiftOff, false); },
         panel},
        {"restore", [](MainWindowModel& m) { return m.Restore(); }, axisPanel},
        {"restore again", [](MainWindowModel& m) { return m.Restore(); }, none},
        {"row 1", [](MainWindowModel& m) { return m.SelectRow(1); }, selection},
        {"reset",
         [](MainWindowModel& m) {
             Changes all = m.Reset();
             return all;
         },
         Changes{.Middle = true, .Panel = true, .Sections = true, .RowChecks = true, .ViewButtons = true}},
        {"reset again", [](MainWindowModel& m) { return m.Reset(); }, none},
        {"row 0 does not exist", [](MainWindowModel& m) { return m.SelectRow(0); }, none},
        {"back to the top view", [](MainWindowModel& m) { return m.SelectView(View::Top); }, none},
        {"the side view, nothing selected", [](MainWindowModel& m) { return m.SelectView(View::Side); },
         viewChange},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(step.command(model), step.expected) << step.name;
    }
    EXPECT_EQ(model.SelectedSlot(), -1);
    EXPECT_EQ(model.CurrentView(), View::Side);

    // A restore keeps the lift-off section open; the selected row 5 is slot 3.
    model.Toggle(MainWindowLayout::LiftOff, false);
    model.Restore();
    EXPECT_FALSE(model.IsCollapsed(MainWindowLayout::LiftOff));
    model.SelectRow(5);
    EXPECT_EQ(model.SelectedSlot(), 3);
}

TEST(DeviceStatus, WhatTheMousesComingAndGoingDo) {
    using Event = DeviceStatus::Event;
    using Icon = DeviceStatus::Icon;
    struct Case {
        DeviceChangeOutcome outcome;
        DeviceStatus::Reaction expected;
    };
    const Case cases[] = {
        {DeviceChangeOutcome::Arrived, {Event::MouseFound, true, false, Icon::Add}},
        {DeviceChangeOutcome::ArrivalFailed, {std::nullopt, false, true, Icon::Remove}},
        {DeviceChangeOutcome::StillConnected, {std::nullopt, false, false, Icon::Add}},
        {DeviceChangeOutcome::Removed, {Event::MouseGone, false, true, Icon::RemoveAfterBalloon, true}},
        {DeviceChangeOutcome::Ignored, {std::nullopt, false, false, Icon::Keep}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DeviceStatus::For(c.outcome), c.expected) << static_cast<int>(c.outcome);
    }

    LanguageTable english;
    english.Fill("EN");
    ProfileSettings snapshot = ProfileSettings::FactoryDefaults();
    snapshot.DpiValuesB[1] = 32;
    DeviceStatus status;
    using Balloon = DeviceStatus::Balloon;
    EXPECT_EQ(status.BalloonFor(14, 0, english, snapshot),
              (Balloon{"Info", "The system detect Corvalith.", 100}));
    EXPECT_EQ(status.BalloonFor(15, 0, english, snapshot),
              (Balloon{"Warning", "The system did not detect Corvalith!", 100}));
    EXPECT_EQ(status.BalloonFor(1, 1, english, snapshot),
              (Balloon{"Info", "Switch DPI into the second stage (3200)", 5000}));
    // A stage above 7 shows the last text again.
    EXPECT_EQ(status.BalloonFor(1, 9, english, snapshot),
              (Balloon{"Info", "Switch DPI into the second stage (3200)", 5000}));
    EXPECT_EQ(status.BalloonFor(2, 0, english, snapshot), std::nullopt);
}

// Every upload, window step, installation record and hot-plug call, in one log.
struct Recorder : ISettingsUploads, IStartupWindow, IInstallRecord, IDeviceNotifications {
    void ApplySensitivity() override { log.push_back("upload sensitivity"); }
    void ApplyLiftOff() override { log.push_back("upload lift-off"); }
    void ApplyDpi() override { log.push_back("upload dpi"); }
    void ApplyPollingRate() override { log.push_back("upload polling"); }
    void ApplyLighting() override { log.push_back("upload lighting"); }
    void ApplyPointerSettings() override { log.push_back("pointer settings"); }
    void SaveProfile() override { log.push_back("save"); }

    std::string SetLanguage(std::string_view code) override {
        log.push_back("language " + std::string(code));
        return "Setting-" + std::string(code);
    }
    bool AskLiftOff() override {
        log.push_back("ask lift-off");
        return answerOn;
    }
    void Build() override { log.push_back("build"); }
    void AddIcon() override { log.push_back("add icon"); }
    void RemoveIcon() override { log.push_back("remove icon"); }
    void ShowProfile() override { log.push_back("show profile"); }
    void LocaliseCatalogue() override { log.push_back("localise catalogue"); }
    void GreetCompanion() override { log.push_back("greet companion"); }

    bool IsNewInstallation() override { return newInstallation; }
    void RecordInstallation(std::string_view answer) override {
        log.push_back("record " + std::string(answer));
        newInstallation = false;
    }

    bool Register(void*) override { return notificationsWork; }
    void Unregister() override {}

    bool answerOn = false;
    bool newInstallation = false;
    bool notificationsWork = true;
    std::vector<std::string> log;
};

TEST(ProgramStartup, StepsInOrderWhateverTheSystemRefuses) {
    struct Case {
        const char* name;
        bool plugged, newInstallation, answerOn, notificationsWork, readerStarts;
        std::string listText;
        std::vector<std::string> log;
        std::vector<std::string> refusals; // debug lines of what the system refused
        std::uint32_t liftOffEnabled;
    };
    const std::vector<std::string> connectedEnd = {
        "build", "add icon", "show profile", "localise catalogue", "pointer settings", "greet companion"};
    auto with = [](std::vector<std::string> head, const std::vector<std::string>& tail) {
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    };
    const Case cases[] = {
        {"first installation, answered ON",
         true,
         true,
         true,
         true,
         true,
         "[Skins]\r\nLan=DE\r\n",
         with({"language DE", "ask lift-off", "record ON", "upload lift-off"}, connectedEnd),
         {},
         1},
        {"first installation, answered OFF",
         true,
         true,
         false,
         true,
         true,
         "[Skins]\r\nLan=EN\r\n",
         with({"language EN", "ask lift-off", "record OFF", "upload lift-off"}, connectedEnd),
         {},
         0},
        {"no mouse, no language code: the Windows language",
         false,
         false,
         false,
         true,
         true,
         "",
         {"language CHS", "build", "add icon", "remove icon", "localise catalogue", "pointer settings",
          "greet companion"},
         {},
         0},
        {"no hot-plug notifications and no reader",
         true,
         false,
         false,
         false,
         false,
         "[Skins]\r\nLan=EN\r\n",
         with({"language EN"}, connectedEnd),
         {"CreateEvent 3360 failed.", "RegisterDeviceNotification failed!!!"},
         0},
    };
    for (const Case& c : cases) {
        TraceWriter trace;
        SimulatedClock clock{trace};
        VirtualMouse mouse{trace};
        if (c.plugged) {
            mouse.Plug();
        }
        test::RecordingDebugOutput debug;
        DeviceLink link(mouse, clock, debug, [](std::uint8_t) {});
        if (!c.readerStarts) {
            link.Reader().SetThreadStarter([](std::function<void()>) -> std::thread {
                throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
            });
        }
        test::MemoryFileSystem files;
        const std::string folder = "/data/Corvalith/";
        files.CreateDirectories(folder);
        if (!c.listText.empty()) {
            files.WriteFileAtomically(folder + "str.ini",
                                      std::vector<std::uint8_t>(c.listText.begin(), c.listText.end()));
        }
        FixedDataFolderLocator locator(folder);
        test::StorageCollaborators effects;
        ProfileSession session;
        ProfileStorage storage(session, {files, debug, locator, effects, effects, effects});
        Recorder recorder;
        recorder.newInstallation = c.newInstallation;
        recorder.answerOn = c.answerOn;
        recorder.notificationsWork = c.notificationsWork;

        ProgramStartup::Run({link, storage, session, recorder, recorder, recorder, debug}, recorder, nullptr,
                            0x0804);
        link.Shutdown();

        EXPECT_EQ(recorder.log, c.log) << c.name;
        for (const std::string& refusal :
             {std::string("CreateEvent 3360 failed."), std::string("RegisterDeviceNotification failed!!!")}) {
            const bool written =
                std::find(debug.lines.begin(), debug.lines.end(), refusal) != debug.lines.end();
            const bool expected =
                std::find(c.refusals.begin(), c.refusals.end(), refusal) != c.refusals.end();
            EXPECT_EQ(written, expected) << c.name << ": " << refusal;
        }
        EXPECT_EQ(session.Working.LiftOffEnabled, c.liftOffEnabled) << c.name;
        EXPECT_EQ(session.Working.LiftOffLevel,
                  c.answerOn ? 3 : ProfileSettings::FactoryDefaults().LiftOffLevel)
            << c.name;
        EXPECT_EQ(session.AppliedSnapshot.DpiValuesB[0], ProfileSettings::FactoryDefaults().DpiValuesB[0])
            << c.name << ": the snapshot holds the initialised profile";
    }
}

TEST(SettingsDispatch, ChangesGoToTheirFieldAndUpload) {
    struct Case {
        const char* name;
        void (*act)(SettingsDispatch&);
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {"X slider", [](SettingsDispatch& d) { EXPECT_TRUE(d.OnSlider(2025, 11)); }, {"upload sensitivity"}},
        {"Y slider", [](SettingsDispatch& d) { EXPECT_TRUE(d.OnSlider(2026, 7)); }, {"upload sensitivity"}},
        {"lift-off slider",
         [](SettingsDispatch& d) { EXPECT_TRUE(d.OnSlider(2046, 2)); },
         {"upload lift-off"}},
        {"another control", [](SettingsDispatch& d) { EXPECT_FALSE(d.OnSlider(2027, 4)); }, {}},
        {"switch on",
         [](SettingsDispatch& d) { d.OnSwitch(MainWindowLayout::SwitchPress::On); },
         {"upload lift-off"}},
        {"no switch", [](SettingsDispatch& d) { d.OnSwitch(MainWindowLayout::SwitchPress::None); }, {}},
        {"panels again", [](SettingsDispatch& d) { EXPECT_TRUE(d.OnSettingsChanged(0)); }, {}},
        {"pointer speed, double click, scroll",
         [](SettingsDispatch& d) {
             for (const int code : {1, 2, 3}) {
                 EXPECT_FALSE(d.OnSettingsChanged(code));
             }
         },
         {"pointer settings", "save", "pointer settings", "save", "pointer settings", "save"}},
        {"dpi, polling rate, lighting",
         [](SettingsDispatch& d) {
             for (const int code : {4, 5, 6}) {
                 d.OnSettingsChanged(code);
             }
         },
         {"upload dpi", "upload polling", "upload lighting"}},
        {"an unknown code", [](SettingsDispatch& d) { EXPECT_FALSE(d.OnSettingsChanged(7)); }, {}},
    };
    for (const Case& c : cases) {
        ProfileSettings working = ProfileSettings::FactoryDefaults();
        Recorder uploads;
        SettingsDispatch dispatch(working, uploads);
        c.act(dispatch);
        EXPECT_EQ(uploads.log, c.log) << c.name;
    }
    ProfileSettings working{};
    Recorder uploads;
    SettingsDispatch dispatch(working, uploads);
    dispatch.OnSlider(2025, 11);
    dispatch.OnSlider(2026, 7);
    dispatch.OnSlider(2046, 2);
    dispatch.OnSwitch(MainWindowLayout::SwitchPress::On);
    EXPECT_EQ(working.SensitivityX, 11);
    EXPECT_EQ(working.SensitivityY, 7);
    EXPECT_EQ(working.LiftOffLevel, 2);
    EXPECT_EQ(working.LiftOffEnabled, 1u);
    dispatch.OnSwitch(MainWindowLayout::SwitchPress::Off);
    EXPECT_EQ(working.LiftOffEnabled, 0u);
}

} // namespace
} // namespace corvalith

namespace corvalith {
namespace {

// The tray-time decoding list: each path once, the starting window's images before the rest, and the
// images only other states draw (selection, side view, open sections, lift-off marks) present.
TEST(MainWindowPlan, AllImagePathsListTheStartingWindowFirstAndEveryStateOnce) {
    const std::vector<std::string> paths = MainWindowPlan::AllImagePaths();
    ASSERT_FALSE(paths.empty());
    EXPECT_EQ(paths.front(), Names::InSkins(Names::kMain));
    std::vector<std::string> sorted = paths;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << "a path listed twice";

    const auto at = [&](std::string_view path) {
        const auto found = std::find(paths.begin(), paths.end(), path);
        return found == paths.end() ? -1 : static_cast<int>(found - paths.begin());
    };
    const int sliders = at(Names::InSkins(Names::kXYTrack));
    ASSERT_GE(sliders, 0);
    struct Case {
        std::string path;
        bool beforeTheSliders; // drawn by the window as it starts, or a button's image
    };
    const Case cases[] = {
        {Names::InSkins(Names::kMainMid), true},
        {Names::InSkins(Names::kMouseFront), true},
        {Names::InSkins(Names::MouseButton(Names::MouseView::Front, 1, false)), true},
        {Names::InSkins(Names::kDropdownOver), true},
        {Names::InSkins(Names::MouseButton(Names::MouseView::Front, 4, true)), false},
        {Names::InSkins(Names::kMouseSide), false},
        {Names::InSkins(Names::MouseButton(Names::MouseView::Side, 6, false)), false},
        {Names::InSkins(Names::kButtonAssignment), false},
        {Names::InSkins(Names::kLiftOff), false},
        {Names::InSkins(Names::kEnable), false},
        {Names::InSkins(Names::kDisable), false},
    };
    for (const Case& c : cases) {
        const int index = at(c.path);
        EXPECT_GE(index, 0) << c.path;
        EXPECT_EQ(index < sliders, c.beforeTheSliders) << c.path;
    }
}

// A click on a button: the selected row stays lit only for Reset, the view buttons and the lift-off
// header; headers 1, 3 and 4 open or close their own section, header 2 runs the macro manager.
TEST(MainWindowPlan, ClicksLetTheSelectionGoAndReachTheirCommand) {
    using Control = MainWindowPlan::Control;
    using Action = MainWindowPlan::Action;
    using View = MainWindowPlan::View;
    const std::pair<Control, MainWindowPlan::Click> cases[] = {
        {Control::Reset, {Action::Reset, false}},
        {Control::Close, {Action::HideToTray, true}},
        {Control::Minimize, {Action::Minimize, true}},
        {Control::Help, {Action::HelpMenu, true}},
        {Control::Config, {Action::ProfileManager, true}},
        {Control::Header2, {Action::MacroManager, true}},
        {Control::TopView, {Action::SelectView, false, View::Top}},
        {Control::SideView, {Action::SelectView, false, View::Side}},
        {Control::Header1, {Action::Toggle, true, View::Top, MainWindowLayout::ButtonAssignment}},
        {Control::Header3, {Action::Toggle, true, View::Top, MainWindowLayout::AxisSensitivity}},
        {Control::Header4, {Action::Toggle, false, View::Top, MainWindowLayout::LiftOff}},
    };
    for (const auto& [control, click] : cases) {
        EXPECT_EQ(MainWindowPlan::ClickOf(control), click) << static_cast<int>(control);
    }
}

} // namespace
} // namespace corvalith
