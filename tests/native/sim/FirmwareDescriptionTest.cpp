#include "sim/FirmwareDescription.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

TEST(FirmwareDescription, DecodesButtonCodes) {
    struct Case {
        std::array<std::uint8_t, 4> code;
        const char* text;
    };
    const Case cases[] = {
        {{0x00, 0xF0, 0x00, 0x02}, "Click"},
        {{0x00, 0xF3, 0x00, 0x02}, "Back"},
        {{0x02, 0xF0, 0x01, 0x0C}, "Double-Click"},
        {{0x00, 0x00, 0x02, 0x08}, "DPI -"},
        {{0x01, 0x83, 0x00, 0x04}, "Open Media Player"},
        {{0x02, 0x21, 0x00, 0x04}, "Search Computer"},
        {{0x00, 0x1B, 0xE0, 0x01}, "Ctrl+key 0x1B"},
        {{0x11, 0x2C, 0xE2, 0x01}, "Alt+key 0x2C+key 0x11"},
        {{0x00, 0x04, 0x00, 0x01}, "key 0x04"},
        {{0x03, 0x03, 0x00, 0x0A}, "Macro 3, until any button"},
        {{0x00, 0x07, 0x02, 0x0C}, "Snipe"},
        {{0x00, 0x00, 0x04, 0x0C}, "Fn"},
        {{0x00, 0x00, 0x00, 0x00}, "Deactivated"},
        {{0x01, 0x02, 0x03, 0x77}, "code 0x01 0x02 0x03 0x77"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FirmwareDescription::ButtonCode(c.code.data()), c.text);
    }
}

TEST(FirmwareDescription, DescribesWhatTheMouseHolds) {
    VirtualMouse::Firmware firmware;
    firmware.StageMask = 0x85; // stages 1 and 3 on
    firmware.CurrentStage = 2;
    firmware.StageColours[0] = 0xFF;
    firmware.LiftOff = 6;
    firmware.ButtonTable[1] = 0xF0;
    firmware.ButtonTable[3] = 0x02;
    firmware.MacroSlots[4][129] = 1;
    firmware.MacroSlots[5][130] = 1; // only the start of slot 6 spilled over: no macro of its own
    const std::vector<std::string> lines = FirmwareDescription::Lines(firmware);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[0], "Polling rate: 1 ms (1000 Hz), extra bytes 0x02 0x00 0x01");
    EXPECT_EQ(lines[1], "DPI stages: 600 1200 (off) 2400 3600 (off) 4800 (off) 7200 (off) 12000 (off)");
    EXPECT_EQ(lines[2], "Stage mask 0x85, current stage 3");
    EXPECT_EQ(lines[3], "Stage colours: FF0000 000000 000000 000000 000000 000000 000000");
    EXPECT_EQ(lines[5], "Lift-off: off");
    EXPECT_EQ(lines[7], "Button 1: Click");
    EXPECT_EQ(lines[8], "Button 2: Deactivated");
    EXPECT_EQ(lines[14], "Macro slots with data: 4");
}

} // namespace
} // namespace corvalith
