#include "device/DeviceLink.h"
#include "device/ProfileUploader.h"
#include "doubles/MemoryFileSystem.h"
#include "doubles/RecordingDebugOutput.h"
#include "doubles/RecordingUploadFeedback.h"
#include "doubles/StorageCollaborators.h"
#include "platform/FixedDataFolderLocator.h"
#include "profile/ProfileFile.h"
#include "sim/SimulatedClock.h"
#include "sim/VirtualMouse.h"

#include <gtest/gtest.h>

#include <cstring>

namespace corvalith {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::string>;

// A host with the virtual mouse plugged in and connected, storing into memory.
struct Rig {
    Rig() {
        mouse.Plug();
        EXPECT_TRUE(link.Connect());
        session.Working = ProfileSettings::FactoryDefaults();
        trace.Clear();
    }

    TraceWriter trace;
    SimulatedClock clock{trace};
    VirtualMouse mouse{trace};
    test::RecordingDebugOutput debug;
    DeviceLink link{mouse, clock, debug, [](std::uint8_t) {}};
    test::MemoryFileSystem files;
    FixedDataFolderLocator folder{"/data/"};
    test::StorageCollaborators effects;
    ProfileSession session;
    ProfileStorage storage{session, {files, debug, folder, effects, effects, effects}};
    test::RecordingUploadFeedback feedback;
    ProfileUploader uploader{link, session, storage, feedback, debug};
};

// A report as the trace shows it: report ID 0, the given bytes, zeros up to `length`.
std::string Report(const char* operation, Bytes bytes, std::size_t length) {
    bytes.insert(bytes.begin(), 0x00);
    bytes.resize(length, 0);
    return std::string(operation) + " " + TraceWriter::Hex(bytes);
}
std::string Frame(Bytes bytes) {
    return Report("set-feature", std::move(bytes), 9);
}
std::string Reply(Bytes bytes) {
    return Report("get-feature", std::move(bytes), 9);
}
std::string Write(Bytes bytes) {
    return Report("write", std::move(bytes), 65);
}

void Append(Lines& to, const Lines& from) {
    to.insert(to.end(), from.begin(), from.end());
}

// The mouse's own lighting block: yellow, then 0x13, 0x14 ... 0x4f.
Bytes MouseLightingBlock(Bytes colour) {
    Bytes block = std::move(colour);
    for (int i = 3; i < 64; ++i) {
        block.push_back(static_cast<std::uint8_t>(0x10 + i));
    }
    return block;
}

const Lines kPollingRate = {
    Frame({0x81, 0, 0, 0, 0, 0, 0, 0x7E}),
    Reply({0x81, 0x01, 0x02, 0x00, 0x01, 0, 0, 0x7A}), // rate 1, extra bytes 02 00 01
    Frame({0x01, 0x01, 0x02, 0x00, 0x01, 0, 0, 0xFA}),
};
const Lines kSensitivity = {Frame({0x0B, 0x64, 0x64, 0, 0, 0, 0, 0x2C})};
const Lines kDpi = {
    Frame({0x0A, 0, 0, 0x01, 0, 0, 0, 0xF4}),
    "sleep 10",
    Write({0xFF, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0x80, 0, 0xFF, 0, 0xFF}),
    "sleep 100",
    Frame({0x87, 0, 0, 0, 0, 0, 0, 0x78}),
    Reply({0x87, 0x01, 0, 0, 0, 0, 0, 0x77}),
    Frame({0x08, 0x2F, 0x47, 0x77, 0, 0, 0, 0x0A}),          // 4800, 7200, 12000 DPI
    Frame({0x07, 0x01, 0xFF, 0x05, 0x0B, 0x17, 0x23, 0xAE}), // stage 1, all enabled, 600 to 3600
};
const Lines kButtons = {
    Frame({0x03, 0, 0, 0x01, 0, 0, 0, 0xFB}),
    "sleep 10",
    Write({0x00, 0xF0, 0x00, 0x02, 0x00, 0xF1, 0x00, 0x02, 0x00, 0xF2, 0x00, 0x02, 0x00, 0xF4, 0x00, 0x02,
           0x00, 0xF3, 0x00, 0x02, 0x00, 0x00, 0x01, 0x08, 0x00, 0x00, 0x02, 0x08, 0x00, 0x00, 0x03, 0x0C,
           0x00, 0x00, 0x01, 0x0B, 0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
           0,    0,    0,    0,    0,    0,    0,    0,    0x00, 0x01, 0x01, 0x05, 0x00, 0x01, 0x02, 0x05}),
    "sleep 100",
};

Lines EmptyMacroSlots() {
    Lines lines;
    for (std::uint8_t slot = 0; slot < 12; ++slot) {
        lines.push_back(Frame({0x05, 0, slot, 0x03, 0, 0, 0, static_cast<std::uint8_t>(0xF7 - slot)}));
        lines.push_back("sleep 10");
        for (int chunk = 0; chunk < 3; ++chunk) {
            lines.push_back(Write({}));
            lines.push_back("sleep 100");
        }
    }
    return lines;
}

Lines Lighting(Bytes colour, Bytes modeCommand) {
    return {
        Frame({0x8C, 0, 0, 0x01, 0, 0, 0, 0x72}),
        "sleep 10",
        Reply({0x8C, 0, 0, 0x01, 0, 0, 0, 0x72}),
        "sleep 10",
        Report("read", MouseLightingBlock({0xFF, 0xFF, 0x00}), 65),
        "sleep 100",
        Frame({0x0C, 0, 0, 0x01, 0, 0, 0, 0xF2}),
        "sleep 10",
        Write(MouseLightingBlock(std::move(colour))),
        "sleep 100",
        Frame(std::move(modeCommand)),
    };
}

TEST(ProfileUpload, FactoryDefaultProfileGoesOutByteForByte) {
    Rig rig;
    rig.uploader.WriteProfileToMouse();

    Lines expected;
    Append(expected, kPollingRate);
    Append(expected, kSensitivity);
    Append(expected, kDpi);
    Append(expected, kButtons);
    Append(expected, EmptyMacroSlots());
    // Palette entry 1 is yellow; neon (mode 3) at speed 5 sends 12 - 5.
    Append(expected, Lighting({0xFF, 0xFF, 0x00}, {0x06, 0x02, 0x07, 0x32, 0x07, 0, 0, 0xB7}));
    EXPECT_EQ(rig.trace.Lines(), expected);

    EXPECT_TRUE(rig.feedback.calls.empty());
    EXPECT_EQ(rig.files.Get("/data/config0.bin"), ProfileFile::Encode(rig.session.Working));
    EXPECT_EQ(rig.session.AppliedSnapshot.SensitivityX, 0) << "the snapshot is the caller's";

    const VirtualMouse::Firmware firmware = rig.mouse.State();
    EXPECT_EQ(firmware.SensitivityX, 100);
    EXPECT_EQ(firmware.StageCodes, (std::array<std::uint8_t, 7>{5, 11, 23, 35, 47, 71, 119}));
    EXPECT_EQ(firmware.ButtonTable[12 + 1], 0xF4);
    EXPECT_EQ(firmware.LightingMode, (std::array<std::uint8_t, 6>{0x02, 0x07, 0x32, 0x07, 0, 0}));
    EXPECT_EQ(firmware.RejectedFrames, 0);
}

TEST(ProfileUpload, EachPartialOperationSendsItsGroupSavesAndTakesTheSnapshot) {
    struct Case {
        const char* name;
        void (ProfileUploader::*operation)();
        Lines lines;
    };
    Lines buttons = kButtons;
    Append(buttons, EmptyMacroSlots());
    const Case cases[] = {
        {"sensitivity", &ProfileUploader::ApplySensitivity, kSensitivity},
        {"dpi", &ProfileUploader::ApplyDpi, kDpi},
        {"polling rate", &ProfileUploader::ApplyPollingRate, kPollingRate},
        {"buttons", &ProfileUploader::ApplyButtons, buttons},
        {"lighting", &ProfileUploader::ApplyLighting,
         Lighting({0xFF, 0xFF, 0x00}, {0x06, 0x02, 0x07, 0x32, 0x07, 0, 0, 0xB7})},
        {"lift-off off", &ProfileUploader::ApplyLiftOff, {Frame({0x0D, 0x06, 0, 0, 0, 0, 0, 0xEC})}},
    };
    for (const Case& c : cases) {
        Rig rig;
        (rig.uploader.*c.operation)();
        EXPECT_EQ(rig.trace.Lines(), c.lines) << c.name;
        EXPECT_EQ(0, std::memcmp(rig.session.AppliedSnapshot.Bytes(), rig.session.Working.Bytes(),
                                 ProfileSettings::kSize))
            << c.name;
        // A slider release costs one replacement of the profile file and one of its text file.
        EXPECT_EQ(rig.files.written, (Lines{"/data/config0.bin", "/data/str0.ini"})) << c.name;
    }
}

TEST(ProfileUpload, LiftOffAndLightingFollowTheProfile) {
    Rig rig;
    rig.session.Working.LiftOffEnabled = 1;
    rig.session.Working.LiftOffLevel = 2;
    rig.uploader.ApplyLiftOff();
    rig.session.Working.LiftOffEnabled = 0;
    rig.uploader.ApplyLiftOff();
    EXPECT_EQ(rig.trace.Lines(),
              (Lines{Frame({0x0D, 0x02, 0, 0, 0, 0, 0, 0xF0}), Frame({0x0D, 0x06, 0, 0, 0, 0, 0, 0xEC})}));
    EXPECT_EQ(rig.feedback.calls, (std::vector<std::string>{"slider on", "slider off"}));

    // Multi-colour breathing: palette entry 5 (cyan) and the 0x07 flag; an index past the palette keeps the
    // mouse's own colour.
    rig.trace.Clear();
    rig.session.Working.MouseLightMode = 2;
    rig.session.Working.MouseColorIndex = 5;
    rig.uploader.ApplyLighting();
    rig.session.Working.MouseLightMode = 1;
    rig.session.Working.MouseLightParams[0] = 1;
    rig.session.Working.MouseColorIndex = 200;
    rig.uploader.ApplyLighting();
    rig.session.Working.MouseColorIndex = 8; // the first index past the palette
    rig.uploader.ApplyLighting();
    Lines expected = Lighting({0x00, 0xFF, 0xFF}, {0x06, 0x01, 0x07, 0x32, 0x07, 0, 0, 0xB8});
    Lines second = Lighting({0x00, 0xFF, 0xFF}, {0x06, 0, 0, 0, 0, 0, 0, 0xF9});
    second[4] = Report("read", MouseLightingBlock({0x00, 0xFF, 0xFF}), 65); // the mouse now holds cyan
    Append(expected, second);
    Append(expected, second);
    EXPECT_EQ(rig.trace.Lines(), expected);
}

TEST(ProfileUpload, DisabledStagesAndDpiValuesAOnlyChangeWhatTheyShould) {
    Rig rig;
    std::memset(rig.session.Working.DpiStageEnabled, 0, sizeof rig.session.Working.DpiStageEnabled);
    std::memset(rig.session.Working.DpiValuesA, 0x99, sizeof rig.session.Working.DpiValuesA);
    rig.uploader.ApplyDpi();
    const Lines lines = rig.trace.Lines();
    ASSERT_EQ(lines.size(), kDpi.size());
    EXPECT_EQ(lines.back(), Frame({0x07, 0x01, 0x80, 0x05, 0x0B, 0x17, 0x23, 0x2D})) << "mask 0x80";
    EXPECT_EQ(lines[6], kDpi[6]);
}

TEST(MacroUpload, SlotsCarryTheirBlockAndTheStartOfTheNext) {
    Rig rig;
    for (std::size_t i = 0; i < sizeof rig.session.Working.MacroBlockTable; ++i) {
        rig.session.Working.MacroBlockTable[i / 130][i % 130] = static_cast<std::uint8_t>(i % 251 + 1);
    }
    rig.uploader.ApplyButtons();

    const auto tableByte = [](std::size_t i) { return static_cast<std::uint8_t>(i % 251 + 1); };
    const VirtualMouse::Firmware firmware = rig.mouse.State();
    for (std::size_t i = 0; i < 192; ++i) {
        ASSERT_EQ(firmware.MacroSlots[0][i], tableByte(i)) << i;
        ASSERT_EQ(firmware.MacroSlots[11][i], i < 130 ? tableByte(1430 + i) : 0) << i;
    }
    // After the button table's header, wait, chunk and wait: twelve slots of eight lines each.
    const Lines lines = rig.trace.Lines();
    ASSERT_EQ(lines.size(), 4u + 12u * 8u);
    EXPECT_EQ(lines[4 + 88], Frame({0x05, 0, 0x0B, 0x03, 0, 0, 0, 0xEC}));
    Bytes lastChunk;
    for (std::size_t i = 1430 + 128; i < 1560; ++i) {
        lastChunk.push_back(tableByte(i));
    }
    EXPECT_EQ(lines[4 + 94], Write(lastChunk)) << "two table bytes, then zeros";
}

TEST(ProfileUpload, FailingFeatureReportsGiveZerosAndTheSequenceGoesOn) {
    Rig rig;
    rig.mouse.FailFeatureReports(true);
    rig.uploader.WriteProfileToMouse();
    const Lines lines = rig.trace.Lines();
    // The frames still go out in full order; the unread answers count as zeros.
    EXPECT_EQ(lines[0], Frame({0x81, 0, 0, 0, 0, 0, 0, 0x7E}));
    EXPECT_EQ(lines[1], Frame({0x01, 0x01, 0, 0, 0, 0, 0, 0xFD}));
    EXPECT_NE(std::find(lines.begin(), lines.end(), Frame({0x07, 0x00, 0xFF, 0x05, 0x0B, 0x17, 0x23, 0xAF})),
              lines.end());
    EXPECT_TRUE(rig.files.FileExists("/data/config0.bin"));
    const auto reads = std::count_if(lines.begin(), lines.end(),
                                     [](const std::string& l) { return l.rfind("get-feature", 0) == 0; });
    EXPECT_EQ(reads, 0);
}

TEST(ProfileUpload, UnplugInTheMiddleStillSavesAndDoesNotHang) {
    for (const int after : {1, 5, 30, 60, 66}) {
        Rig rig;
        rig.mouse.UnplugAfterReports(after);
        rig.uploader.WriteProfileToMouse();
        EXPECT_FALSE(rig.mouse.IsPlugged(VirtualMouse::Port::Configuration)) << after;
        EXPECT_EQ(rig.files.Get("/data/config0.bin"), ProfileFile::Encode(rig.session.Working)) << after;
        // Every wait still passes: 40 chunks, 16 block headers and the answer of the lighting read.
        EXPECT_EQ(rig.clock.NowMilliseconds(), 40u * 100 + 17u * 10) << after;
    }
}

TEST(HidTransport, ReadBlockHandsBackTheAnsweredHeaderAndEveryWaitPasses) {
    Rig rig;
    Command header{0x8C, 0, 0, 1};
    std::uint8_t data[64] = {};
    rig.link.Transport().TransferBlock(rig.link.ConfigurationDevice().get(), header, data,
                                       HidTransport::Direction::Read, 64);
    EXPECT_EQ(header, (Command{0x8C, 0, 0, 1, 0, 0, 0, 0x72}));
    EXPECT_EQ(data[0], 0xFF);
    EXPECT_EQ(data[63], 0x4F);
    EXPECT_EQ(rig.clock.NowMilliseconds(), 120u);

    // 192 bytes: one header frame, exactly three output reports; length 0 sends the header only.
    rig.trace.Clear();
    std::uint8_t block[192] = {};
    Command write{0x05, 0, 3, 3};
    rig.link.Transport().TransferBlock(rig.link.ConfigurationDevice().get(), write, block,
                                       HidTransport::Direction::Write, 192);
    rig.link.Transport().TransferBlock(rig.link.ConfigurationDevice().get(), write, block,
                                       HidTransport::Direction::Write, 0);
    EXPECT_EQ(rig.trace.Lines(), (Lines{Frame({0x05, 0, 3, 3, 0, 0, 0, 0xF4}), "sleep 10", Write({}),
                                        "sleep 100", Write({}), "sleep 100", Write({}), "sleep 100",
                                        Frame({0x05, 0, 3, 3, 0, 0, 0, 0xF4}), "sleep 10"}));

    // A failed reply read hands back eight zero bytes.
    rig.mouse.FailFeatureReports(true);
    Command query{0x87};
    rig.link.Transport().ExchangeCommand(rig.link.ConfigurationDevice().get(), query);
    EXPECT_EQ(query, Command{});
    EXPECT_EQ(rig.debug.lines.back(), "Buffer[1]:00,Buffer[2]:00.");
}

} // namespace
} // namespace corvalith
