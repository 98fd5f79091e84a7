#include "device/ButtonFunctionCode.h"
#include "device/CommandFrame.h"
#include "device/EventReader.h"
#include "device/LightingCommand.h"
#include "profile/AssignmentKind.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

using Code = ButtonFunctionCode::Code;

TEST(CommandFrame, ChecksumIsTheComplementOfTheByteSum) {
    struct Case {
        Command command;
        CommandFrame::Bytes frame;
    };
    const Case cases[] = {
        {{0x0D, 0x06}, {0x00, 0x0D, 0x06, 0, 0, 0, 0, 0, 0xEC}},
        {{}, {0, 0, 0, 0, 0, 0, 0, 0, 0xFF}},
        {{0xF0, 0x0F}, {0x00, 0xF0, 0x0F, 0, 0, 0, 0, 0, 0x00}},          // sums to 0xFF
        {{0xFF, 0xFF, 0x01}, {0x00, 0xFF, 0xFF, 0x01, 0, 0, 0, 0, 0x00}}, // 0x1FF
        {{0x81}, {0x00, 0x81, 0, 0, 0, 0, 0, 0, 0x7E}},
        {{1, 2, 3, 4, 5, 6, 7, 0x55}, {0x00, 1, 2, 3, 4, 5, 6, 7, 0xE3}}, // c7 never reaches the frame
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CommandFrame::Build(c.command), c.frame);
        EXPECT_TRUE(CommandFrame::IsValid(c.frame));
    }
    EXPECT_FALSE(CommandFrame::IsValid({0x00, 0x0D, 0x06, 0, 0, 0, 0, 0, 0xED}));
}

TEST(ButtonFunctionCode, EveryKindHasItsCode) {
    struct Case {
        std::uint8_t kind;
        const char* name;
        Code code;
    };
    // Slot 2 carries the parameters: DPI function 3, media 0xB5, shortcut 0x1B, system 6, key 0x04,
    // macro 11 with mode 2.
    const Case cases[] = {
        {0, "Click", {0x00, 0xF0, 0x00, 0x02}},
        {1, "Menu", {0x00, 0xF1, 0x00, 0x02}},
        {2, "Scroll", {0x00, 0xF2, 0x00, 0x02}},
        {3, "Forward", {0x00, 0xF4, 0x00, 0x02}},
        {4, "Back", {0x00, 0xF3, 0x00, 0x02}},
        {5, "DoubleClick", {0x02, 0xF0, 0x01, 0x0C}},
        {6, "DpiFunction", {0x00, 0x00, 0x03, 0x08}},
        {7, "MediaKey", {0x00, 0xB5, 0x00, 0x04}},
        {8, "CtrlShortcut", {0x00, 0x1B, 0xE0, 0x01}},
        {9, "SystemFunction", {0x00, 0x15, 0xE3, 0x01}},
        {10, "SingleKey", {0x00, 0x04, 0x00, 0x01}},
        {11, "Macro", {0x0B, 0x02, 0x00, 0x0A}},
        {12, "", {}},
        {13, "Deactivated", {}},
        {14, "", {}},
        {15, "LeftTilt", {0x00, 0xF5, 0x00, 0x02}},
        {16, "RightTilt", {0x00, 0xF6, 0x00, 0x02}},
        {17, "Fn", {0x00, 0x00, 0x04, 0x0C}},
        {18, "Snipe", {0x00, 0x07, 0x02, 0x0C}},
        {19, "", {}},
        {200, "", {}},
    };
    ProfileSettings profile{};
    profile.ButtonDpiFunction[2] = 3;
    profile.ButtonMediaKey[2] = 0xB5;
    profile.ButtonShortcutKey[2] = 0x1B;
    profile.ButtonSystemFunction[2] = 6;
    profile.ButtonKey[2] = 0x04;
    profile.ButtonMacroIndex[2] = 11;
    profile.ButtonMacroMode[2] = 2;
    for (const Case& c : cases) {
        profile.ButtonAssignmentKind[2] = c.kind;
        EXPECT_EQ(ButtonFunctionCode::ForSlot(profile, 2), c.code) << c.name << " " << int(c.kind);
        EXPECT_EQ(AssignmentKindName(c.kind), c.name);
    }
    EXPECT_EQ(ButtonFunctionCode::ForSlot(profile, 8), Code{}) << "no slot 8";
}

TEST(ButtonFunctionCode, ParametersOfMediaSystemAndMacroCodes) {
    ProfileSettings profile{};
    profile.ButtonAssignmentKind[0] = static_cast<std::uint8_t>(AssignmentKind::MediaKey);
    profile.ButtonMediaKey[0] = 0x83;
    EXPECT_EQ(ButtonFunctionCode::ForSlot(profile, 0), (Code{0x01, 0x83, 0x00, 0x04}));
    profile.ButtonMediaKey[0] = 0xEA;
    EXPECT_EQ(ButtonFunctionCode::ForSlot(profile, 0), (Code{0x00, 0xEA, 0x00, 0x04}));

    const std::pair<std::uint8_t, Code> system[] = {
        {0, {0x01, 0x94, 0x00, 0x04}},
        {1, {0x02, 0x23, 0x00, 0x04}},
        {2, {0x02, 0x21, 0x00, 0x04}},
        {3, {0x1B, 0x2C, 0xE2, 0x01}},
        {4, {0x11, 0x2C, 0xE2, 0x01}},
        {5, {0x00, 0x07, 0xE3, 0x01}},
        {6, {0x00, 0x15, 0xE3, 0x01}},
        {7, {}},
        {255, {}},
    };
    profile.ButtonAssignmentKind[0] = static_cast<std::uint8_t>(AssignmentKind::SystemFunction);
    for (const auto& [index, code] : system) {
        profile.ButtonSystemFunction[0] = index;
        EXPECT_EQ(ButtonFunctionCode::ForSlot(profile, 0), code) << int(index);
    }

    const std::pair<std::uint8_t, std::uint8_t> modes[] = {{0, 1}, {1, 3}, {2, 2}, {3, 3}, {9, 9}};
    profile.ButtonAssignmentKind[0] = static_cast<std::uint8_t>(AssignmentKind::Macro);
    profile.ButtonMacroIndex[0] = 4;
    for (const auto& [mode, code] : modes) {
        profile.ButtonMacroMode[0] = mode;
        EXPECT_EQ(ButtonFunctionCode::ForSlot(profile, 0), (Code{0x04, code, 0x00, 0x0A})) << int(mode);
    }
}

TEST(ButtonFunctionCode, TableSwapsSlotsThreeAndFourAndKeepsTheFixedEntries) {
    const auto table = ButtonFunctionCode::Table(ProfileSettings::FactoryDefaults());
    const std::array<std::uint8_t, 64> expected = {
        0x00, 0xF0, 0x00, 0x02, 0x00, 0xF1, 0x00, 0x02, 0x00, 0xF2, 0x00, 0x02, // slots 0, 1, 2
        0x00, 0xF4, 0x00, 0x02, 0x00, 0xF3, 0x00, 0x02,                         // slot 4 Forward, slot 3 Back
        0x00, 0x00, 0x01, 0x08, 0x00, 0x00, 0x02, 0x08,                         // DPI +, DPI -
        0x00, 0x00, 0x03, 0x0C, 0x00, 0x00, 0x01, 0x0B,                         // fixed 7, 8
        0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
        0,    0,    0,    0,    0,    0,    0,    0,    // 9 to 13
        0x00, 0x01, 0x01, 0x05, 0x00, 0x01, 0x02, 0x05, // fixed 14, 15
    };
    EXPECT_EQ(table, expected);
}

TEST(LightingCommand, EveryModeRow) {
    struct Case {
        std::uint8_t mode;
        std::uint8_t parameter;
        std::uint8_t colourIndex;
        Command expected;
    };
    const Case cases[] = {
        {0, 5, 1, {0x06}},
        {1, 1, 1, {0x06}},
        {1, 4, 1, {0x06, 0x00, 0x00, 0x20}},
        {1, 40, 1, {0x06, 0x00, 0x00, 0x40}}, // 320 modulo 256
        {2, 5, 1, {0x06, 0x01, 0x00, 0x32, 0x07}},
        {2, 5, 5, {0x06, 0x01, 0x07, 0x32, 0x07}},
        {3, 2, 1, {0x06, 0x02, 0x07, 0x32, 0x0A}},
        {4, 11, 1, {0x06, 0x03, 0x07, 0x32, 0x01}},
        {9, 13, 1, {0x06, 0x04, 0x07, 0x32, 0xFF}}, // 12 - 13 modulo 256
        {5, 5, 1, {0x06}},
        {6, 5, 1, {0x06}},
        {7, 5, 1, {0x06}},
        {8, 5, 1, {0x06}},
        {10, 5, 1, {0x06}},
        {255, 5, 1, {0x06}},
    };
    for (const Case& c : cases) {
        ProfileSettings profile{};
        profile.MouseLightMode = c.mode;
        if (c.mode >= 1 && c.mode <= 9) {
            profile.MouseLightParams[c.mode - 1] = c.parameter;
        }
        profile.MouseColorIndex = c.colourIndex;
        EXPECT_EQ(LightingCommand::ForProfile(profile), c.expected) << int(c.mode) << "/" << int(c.parameter);
    }
}

TEST(EventReader, AcceptsOnlyStageEventsOfFourBytesOrMore) {
    using Report = std::vector<std::uint8_t>;
    const std::pair<Report, std::optional<std::uint8_t>> cases[] = {
        {{0x04, 0x01, 0xAA, 0x02}, 2},
        {{0x04, 0x01, 0x00, 0x00, 0x99}, 0},
        {{0x04, 0x01, 0x00, 0x07}, 7},
        {{0x04, 0x01, 0x00, 0x08}, std::nullopt}, // past the eight stage slots
        {{0x04, 0x02, 0x00, 0x02}, std::nullopt},
        {{0x05, 0x01, 0x00, 0x02}, std::nullopt},
        {{0x04, 0x01, 0x00}, std::nullopt}, // too short to carry a stage
        {{}, std::nullopt},
    };
    for (const auto& [report, stage] : cases) {
        EXPECT_EQ(EventReader::DecodeStageEvent(report), stage) << report.size();
    }
}

} // namespace
} // namespace corvalith
