#include "cli/CliApp.h"
#include "doubles/FakeClock.h"
#include "doubles/MemoryFileSystem.h"
#include "doubles/ScriptedHidSystem.h"
#include "profile/ProfileFile.h"
#include "sim/VirtualMouse.h"

#include "support/ConnectedWriter.h"

#include <gtest/gtest.h>

#include <sstream>

namespace corvalith {
namespace {

// Lends a HID system that outlives the tool's run.
class BorrowedHid : public IHidSystem {
public:
    explicit BorrowedHid(IHidSystem& hid) : hid_(hid) {}
    bool BeginEnumeration() override { return hid_.BeginEnumeration(); }
    bool InterfacePath(std::size_t index, std::string& path) override {
        return hid_.InterfacePath(index, path);
    }
    void EndEnumeration() override { hid_.EndEnumeration(); }
    std::unique_ptr<IHidDevice> Open(const std::string& path, HidOpenMode mode,
                                     std::uint32_t& error) override {
        return hid_.Open(path, mode, error);
    }

private:
    IHidSystem& hid_;
};

struct Tool {
    explicit Tool(IHidSystem& hid) : hid(hid) {
        files.Put("default.bin", ProfileFile::Encode(ProfileSettings::FactoryDefaults()));
        std::vector<std::uint8_t> shortFile = ProfileFile::Encode(ProfileSettings::FactoryDefaults());
        shortFile.pop_back();
        files.Put("short.bin", shortFile);
        std::vector<std::uint8_t> longFile = ProfileFile::Encode(ProfileSettings::FactoryDefaults());
        longFile.push_back(0);
        files.Put("long.bin", longFile);
        files.PutText("record.ini", "[MacroName]\r\nMacroCount=2\r\n0=Empty\r\n1=Tap\r\n"
                                    "[Tap]\r\nDelayTimeSelStatus=1\r\nMacroLoopTimes=2\r\nItemCount=3\r\n"
                                    "Item0=A   Dn\r\nItem1=5 ms\r\nItem2=A   Up\r\n");
    }

    int Run(std::vector<std::string> arguments) {
        out.str("");
        err.str("");
        CliApp app({[this] {
                        ++hidOpened;
                        return std::unique_ptr<IHidSystem>(std::make_unique<BorrowedHid>(hid));
                    },
                    clock, files, out, err, terminal, stateFile});
        return app.Run(arguments);
    }

    IHidSystem& hid;
    test::FakeClock clock;
    test::MemoryFileSystem files;
    std::ostringstream out;
    std::ostringstream err;
    int hidOpened = 0;
    bool terminal = false;
    std::string stateFile = "state/mouse-state.bin";
};

TEST(CorvalithCli, BadInputGetsOneLineAndStatusTwoAndTouchesNothing) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"list", "--verbose"},
        {"show"},
        {"show", "--profile"},
        {"show", "--profile", "missing.bin"},
        {"show", "--profile", "short.bin"},
        {"show", "--profile", "long.bin"},
        {"show", "--profile", "default.bin", "--profile", "default.bin"},
        {"show", "--colour", "red"},
        {"trace-upload", "--profile", "default.bin", "--op", "everything"},
        {"apply", "--profile", "short.bin"},
        {"apply"},
        {"watch", "--forever", "1"},
        {"encode-macros"},
        {"encode-macros", "--macros", "missing.ini"},
        {"encode-macros", "--macros", "record.ini", "--first-type", "0x07"},
    };
    test::ScriptedHidSystem hid;
    for (const auto& arguments : cases) {
        Tool tool(hid);
        const auto filesBefore = tool.files.files;
        EXPECT_EQ(tool.Run(arguments), 2) << testing::PrintToString(arguments);
        const std::string error = tool.err.str();
        EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
        EXPECT_EQ(error.rfind("corvalith-cli: ", 0), 0u) << error;
        EXPECT_TRUE(tool.out.str().empty()) << testing::PrintToString(arguments);
        EXPECT_EQ(tool.files.files, filesBefore);
        EXPECT_EQ(tool.hidOpened, 0) << "no device is opened on bad input";
    }
}

TEST(CorvalithCli, HelpListsEveryCommandWithAnExampleThatRuns) {
    TraceWriter trace;
    VirtualMouse mouse(trace);
    mouse.Plug();
    Tool tool(mouse);
    tool.files.Put("config0.bin", ProfileFile::Encode(ProfileSettings::FactoryDefaults()));
    for (const char* help : {"--help", "-h", "help"}) {
        ASSERT_EQ(tool.Run({help}), 0) << help;
        EXPECT_EQ(tool.err.str(), "") << help;
    }
    const std::string text = tool.out.str();

    // Each command's line, and an example that the tool takes as good input.
    struct Case {
        const char* line;
        std::vector<std::string> example;
    };
    const Case cases[] = {
        {"\n  list\n", {"list"}},
        {"\n  show --profile FILE\n", {"show", "--profile", "config0.bin"}},
        {"\n  trace-upload --profile FILE [--op all|buttons|sensitivity|dpi|polling|lighting|liftoff]\n",
         {"trace-upload", "--profile", "config0.bin", "--op", "dpi"}},
        {"\n  encode-macros --macros FILE [--first-type 0x05|0x32]\n",
         {"encode-macros", "--macros", "record.ini"}},
        {"\n  apply --profile FILE [--only-changes]\n",
         {"apply", "--profile", "config0.bin", "--only-changes"}},
        {"\n  watch\n", {"watch"}},
        {"\n  --help\n", {"--help"}},
    };
    for (const Case& c : cases) {
        EXPECT_NE(text.find(c.line), std::string::npos) << c.line;
        std::string example = "      example: corvalith-cli";
        for (const std::string& word : c.example) {
            example += " " + word;
        }
        EXPECT_NE(text.find(example + "\n"), std::string::npos) << example;
        if (c.example[0] != "watch") {
            EXPECT_NE(tool.Run(c.example), CliApp::kBadInput) << example << ": " << tool.err.str();
        }
    }
    EXPECT_EQ(tool.Run({"--help", "list"}), CliApp::kBadInput);
}

TEST(CorvalithCli, ShowListsEveryField) {
    test::ScriptedHidSystem hid;
    Tool tool(hid);
    ASSERT_EQ(tool.Run({"show", "--profile", "default.bin"}), 0);
    const std::string out = tool.out.str();
    for (const char* line :
         {"Marker=1\n", "ReportRate=1\n", "DpiValuesB=6,12,24,36,48,72,120,0\n",
          "DpiStageColors=ff0000,0000ff,00ff00,ffff00,00ffff,ff8000,ff00ff,000000\n",
          "ButtonAssignmentKind=Click,Menu,Scroll,Back,Forward,DpiFunction,DpiFunction,Deactivated\n",
          "EnhancePointerPrecision=255\n", "LiftOffLevel=3\n", "ReservedTail=0,0,0\n"}) {
        EXPECT_NE(out.find(line), std::string::npos) << line;
    }
    EXPECT_NE(out.find("MacroBlockTable[11]=" + std::string(260, '0') + "\n"), std::string::npos);
}

TEST(CorvalithCli, TraceUploadPrintsTheReportStream) {
    test::ScriptedHidSystem hid;
    Tool tool(hid);
    ASSERT_EQ(tool.Run({"trace-upload", "--profile", "default.bin", "--op", "liftoff"}), 0);
    EXPECT_EQ(tool.out.str(), "set-feature 00 0d 06 00 00 00 00 00 ec\n");
    ASSERT_EQ(tool.Run({"trace-upload", "--profile", "default.bin", "--op", "sensitivity"}), 0);
    EXPECT_EQ(tool.out.str(), "set-feature 00 0b 64 64 00 00 00 00 2c\n");
    ASSERT_EQ(tool.Run({"trace-upload", "--profile", "default.bin"}), 0);
    const std::string all = tool.out.str();
    EXPECT_EQ(all.rfind("set-feature 00 81 00 00 00 00 00 00 7e\n", 0), 0u);
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 3 + 1 + 8 + 4 + 12 * 8 + 11);
    EXPECT_EQ(tool.hidOpened, 0) << "the trace runs against a virtual mouse of its own";
    EXPECT_EQ(tool.clock.sleeps.size(), 0u) << "and waits on its own clock";
}

TEST(CorvalithCli, EncodeMacrosPrintsTwelveBlocks) {
    test::ScriptedHidSystem hid;
    Tool tool(hid);
    ASSERT_EQ(tool.Run({"encode-macros", "--macros", "record.ini", "--first-type", "0x32"}), 0);
    std::istringstream lines(tool.out.str());
    std::vector<std::string> blocks;
    for (std::string line; std::getline(lines, line);) {
        blocks.push_back(line);
    }
    ASSERT_EQ(blocks.size(), 12u);
    std::string zeros = "00";
    for (int i = 1; i < 130; ++i) {
        zeros += " 00";
    }
    EXPECT_EQ(blocks[0], zeros) << "a macro without items";
    // "Tap" (A down, 5 ms, A up, played twice) with the macro manager's first event type 0x32.
    EXPECT_EQ(blocks[1], "00 02 32 04 ff 04 00 0a" + zeros.substr(23));
    EXPECT_EQ(blocks[11], zeros);
    EXPECT_EQ(tool.hidOpened, 0);
}

TEST(CorvalithCli, ApplyWritesTheMouseOrSaysItIsMissing) {
    TraceWriter trace;
    VirtualMouse mouse(trace);
    Tool tool(mouse);
    EXPECT_EQ(tool.Run({"apply", "--profile", "default.bin"}), 1);
    EXPECT_NE(tool.err.str().find("no Corvalith mouse"), std::string::npos);
    EXPECT_EQ(tool.Run({"list"}), 1);

    mouse.Plug();
    EXPECT_EQ(tool.Run({"apply", "--profile", "default.bin"}), 0);
    EXPECT_EQ(mouse.State().SensitivityX, 100);
    EXPECT_EQ(mouse.State().StageCodes[6], 119);
    EXPECT_EQ(tool.clock.now, 40u * 100 + 17u * 10) << "the protocol's waits on the given clock";
    EXPECT_EQ(tool.out.str(), "profile written to the mouse\n") << "no progress line into a file or a pipe";

    tool.terminal = true;
    EXPECT_EQ(tool.Run({"apply", "--profile", "default.bin"}), 0);
    const std::string shown = tool.out.str();
    EXPECT_TRUE(
        shown.starts_with("\rWriting the mouse: 0 of 66 reports\rWriting the mouse: 1 of 66 reports\r"));
    EXPECT_TRUE(shown.ends_with("\rWriting the mouse: 66 of 66 reports\rWriting the mouse: 66 of 66 reports\n"
                                "profile written to the mouse\n"));

    EXPECT_EQ(tool.Run({"list"}), 0);
    const std::string listing = tool.out.str();
    EXPECT_NE(listing.find("usage-page=0xff01 usage=0x0001 feature=9 input=65 output=65 role=configuration "),
              std::string::npos);
    EXPECT_NE(listing.find("usage-page=0xff02 usage=0x0001 feature=0 input=9 output=0 role=events "),
              std::string::npos);
    EXPECT_EQ(listing.find("VID_046D"), std::string::npos) << "another maker's device is not listed";
}

// The command code of every frame sent since the trace was cleared; the trace is cleared again.
std::vector<int> SentCodes(TraceWriter& trace) {
    std::vector<int> codes = test::SentCodes(trace.Lines());
    trace.Clear();
    return codes;
}

TEST(CorvalithCli, ApplyOnlyChangesSendsWhatDiffersFromTheStateItKeeps) {
    TraceWriter trace;
    VirtualMouse mouse(trace);
    mouse.Plug();
    Tool tool(mouse);
    ProfileSettings other = ProfileSettings::FactoryDefaults();
    other.SensitivityX = 9;
    tool.files.Put("other.bin", ProfileFile::Encode(other));

    // A whole apply keeps the state: the profile, then the groups it wrote (all but the lift-off command).
    ASSERT_EQ(tool.Run({"apply", "--profile", "default.bin"}), 0);
    std::vector<std::uint8_t> state = ProfileFile::Encode(ProfileSettings::FactoryDefaults());
    state.push_back(0x3F);
    EXPECT_EQ(tool.files.Get("state/mouse-state.bin"), state);
    trace.Clear();

    struct Step {
        std::vector<std::string> arguments;
        std::vector<int> sent;
    };
    const Step steps[] = {
        {{"apply", "--only-changes", "--profile", "other.bin"},
         {0x0B, 0x0D}},                                              // sensitivity; lift-off unknown
        {{"apply", "--profile", "other.bin", "--only-changes"}, {}}, // nothing differs
        {{"apply", "--only-changes", "--profile", "default.bin"}, {0x0B}},
    };
    for (const Step& step : steps) {
        ASSERT_EQ(tool.Run(step.arguments), 0) << tool.err.str();
        EXPECT_EQ(SentCodes(trace), step.sent) << step.arguments[3];
    }
    EXPECT_EQ(mouse.State().SensitivityX, 100);
    EXPECT_EQ(tool.files.Get("state/mouse-state.bin").back(), 0x7F);

    // A damaged state file knows nothing: everything goes.
    tool.files.PutText("state/mouse-state.bin", "damaged");
    ASSERT_EQ(tool.Run({"apply", "--only-changes", "--profile", "other.bin"}), 0);
    EXPECT_EQ(SentCodes(trace).size(), 2u + 1 + 4 + 1 + 12 + 3 + 1) << "every group and the lift-off";
    EXPECT_EQ(tool.Run({"apply", "--only-changes", "x", "--profile", "other.bin"}), CliApp::kBadInput);
}

} // namespace
} // namespace corvalith
