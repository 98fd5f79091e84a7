#include "assign/KeyTables.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace corvalith {
namespace {

// Every named virtual-key code, written out from the key-name table.
std::map<std::uint32_t, std::string> ExpectedVirtualKeyNames() {
    std::map<std::uint32_t, std::string> names = {
        {0x08, "Backspace"},
        {0x09, "Tab"},
        {0x0D, "Enter"},
        {0x13, "Pause"},
        {0x14, "Caps Lock"},
        {0x1B, "Esc"},
        {0x20, "Space"},
        {0x21, "Page Up"},
        {0x22, "Page Down"},
        {0x23, "End"},
        {0x24, "Home"},
        {0x25, "Left"},
        {0x26, "Up"},
        {0x27, "Right"},
        {0x28, "Down"},
        {0x29, "Select"},
        {0x2B, "Execute"},
        {0x2C, "Prnt Scrn"},
        {0x2D, "Insert"},
        {0x2E, "Delete"},
        {0x2F, "Help"},
        {0x5B, "Left Windows"},
        {0x5C, "Right Windows"},
        {0x5D, "App"},
        {0x6A, "Num *"},
        {0x6B, "Num +"},
        {0x6C, "Num Enter"},
        {0x6D, "Num -"},
        {0x6E, "Num Del"},
        {0x6F, "Num /"},
        {0x90, "Num Lock"},
        {0x91, "Scroll Lock"},
        {0xA0, "Shift"},
        {0xA1, "Right Shift"},
        {0xA2, "Ctrl"},
        {0xA3, "Right Ctrl"},
        {0xA4, "Alt"},
        {0xA5, "Right Alt"},
        {0xBA, ";"},
        {0xBB, "="},
        {0xBC, ","},
        {0xBD, "-"},
        {0xBE, "."},
        {0xBF, "/"},
        {0xC0, "`"},
        {0xDB, "["},
        {0xDC, "\\"},
        {0xDD, "]"},
        {0xDE, "'"},
        {0xF1, "L-Button"},
        {0xF2, "R-Button"},
        {0xF3, "M-Button"},
        {0xF4, "Button 4"},
        {0xF5, "Button 5"},
        {0x30, "0"},
        {0x31, "1"},
        {0x32, "2"},
        {0x33, "3"},
        {0x34, "4"},
        {0x35, "5"},
        {0x36, "6"},
        {0x37, "7"},
        {0x38, "8"},
        {0x39, "9"},
        {0x60, "Num 0"},
        {0x61, "Num 1"},
        {0x62, "Num 2"},
        {0x63, "Num 3"},
        {0x64, "Num 4"},
        {0x65, "Num 5"},
        {0x66, "Num 6"},
        {0x67, "Num 7"},
        {0x68, "Num 8"},
        {0x69, "Num 9"},
        {0x70, "F1"},
        {0x71, "F2"},
        {0x72, "F3"},
        {0x73, "F4"},
        {0x74, "F5"},
        {0x75, "F6"},
        {0x76, "F7"},
        {0x77, "F8"},
        {0x78, "F9"},
        {0x79, "F10"},
        {0x7A, "F11"},
        {0x7B, "F12"},
    };
    const char* letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (std::uint32_t i = 0; i < 26; ++i) {
        names[0x41 + i] = std::string(1, letters[i]);
    }
    return names;
}

// Every usage code with a name, written out from the name-to-usage table.
std::map<std::uint8_t, std::string> ExpectedUsageNames() {
    std::map<std::uint8_t, std::string> names = {
        {30, "1"},
        {31, "2"},
        {32, "3"},
        {33, "4"},
        {34, "5"},
        {35, "6"},
        {36, "7"},
        {37, "8"},
        {38, "9"},
        {39, "0"},
        {40, "Enter"},
        {41, "Esc"},
        {42, "Backspace"},
        {43, "Tab"},
        {44, "Space"},
        {45, "-"},
        {46, "="},
        {47, "["},
        {48, "]"},
        {49, "\\"},
        {50, "Eurpo(Note 2)"},
        {51, ";"},
        {52, "'"},
        {53, "`"},
        {54, ","},
        {55, "."},
        {56, "/"},
        {57, "Caps Lock"},
        {58, "F1"},
        {59, "F2"},
        {60, "F3"},
        {61, "F4"},
        {62, "F5"},
        {63, "F6"},
        {64, "F7"},
        {65, "F8"},
        {66, "F9"},
        {67, "F10"},
        {68, "F11"},
        {69, "F12"},
        {70, "Prnt Scrn"},
        {71, "Scroll Lock"},
        {72, "Pause"},
        {73, "Insert"},
        {74, "Home"},
        {75, "Page Up"},
        {76, "Delete"},
        {77, "End"},
        {78, "Page Down"},
        {79, "Right"},
        {80, "Left"},
        {81, "Down"},
        {82, "Up"},
        {83, "Num Lock"},
        {84, "Num /"},
        {85, "Num *"},
        {86, "Num -"},
        {87, "Num +"},
        {88, "Num Enter"},
        {89, "Num 1"},
        {90, "Num 2"},
        {91, "Num 3"},
        {92, "Num 4"},
        {93, "Num 5"},
        {94, "Num 6"},
        {95, "Num 7"},
        {96, "Num 8"},
        {97, "Num 9"},
        {98, "Num 0"},
        {99, "Num Del"},
        {101, "Application"},
        {224, "Ctrl"},
        {225, "Shift"},
        {226, "Alt"},
        {227, "Left Windows"},
        {228, "Right Ctrl"},
        {229, "Right Shift"},
        {230, "Right Alt"},
        {231, "Right Windows"},
        {240, "L-Button"},
        {241, "R-Button"},
        {242, "M-Button"},
    };
    const char* letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int i = 0; i < 26; ++i) {
        names[static_cast<std::uint8_t>(4 + i)] = std::string(1, letters[i]);
    }
    return names;
}

TEST(KeyTables, EveryVirtualKeyCodeHasItsNameOrNone) {
    const auto expected = ExpectedVirtualKeyNames();
    ASSERT_EQ(expected.size(), 26u + 10u + 10u + 12u + 54u);
    for (std::uint32_t code = 0; code < 0x200; ++code) {
        const auto found = expected.find(code);
        const std::string want = found == expected.end() ? "" : found->second;
        EXPECT_EQ(KeyTables::NameOfVirtualKey(code), want) << "virtual key 0x" << std::hex << code;
    }
    EXPECT_EQ(KeyTables::NameOfVirtualKey(0xFFFFFFFF), "");
}

TEST(KeyTables, EveryUsageCodeHasItsNameOrNotApplicable) {
    const auto expected = ExpectedUsageNames();
    for (int code = 0; code < 256; ++code) {
        const auto found = expected.find(static_cast<std::uint8_t>(code));
        const std::string want = found == expected.end() ? "N/A" : found->second;
        EXPECT_EQ(KeyTables::NameOfUsage(static_cast<std::uint8_t>(code)), want) << "usage " << code;
    }
}

TEST(KeyTables, EveryNameHasItsUsageCode) {
    for (const auto& [code, name] : ExpectedUsageNames()) {
        EXPECT_EQ(KeyTables::UsageOfName(name), code) << name;
    }
}

TEST(KeyTables, NamesOutsideTheUsageTableGiveZero) {
    const char* misses[] = {
        // virtual-key names without a usage code
        "Select",
        "Execute",
        "Help",
        "App",
        "Button 4",
        "Button 5",
        // exact, case-sensitive comparison
        "a",
        "enter",
        "ENTER",
        "Enter ",
        " Enter",
        "num 1",
        "f1",
        // names that only look like entries
        "",
        "F13",
        "F0",
        "Num 10",
        "10",
        "Left GUI",
        "Eurpo",
        "N/A",
    };
    for (const char* name : misses) {
        EXPECT_EQ(KeyTables::UsageOfName(name), 0) << '"' << name << '"';
    }
}

TEST(KeyTables, KeypadEnterIsNamedByItsOwnCode) {
    struct Case {
        std::uint32_t key;
        std::uint32_t maskedFlags;
        std::uint32_t effective;
    };
    const Case cases[] = {
        {0x0D, 0x00, 0x0D}, {0x0D, 0x80, 0x0D}, {0x0D, 0x01, 0x6C},
        {0x0D, 0x81, 0x6C}, {0x41, 0x01, 0x41}, {0x6C, 0x00, 0x6C},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyTables::EffectiveVirtualKey(c.key, c.maskedFlags), c.effective)
            << std::hex << c.key << " flags " << c.maskedFlags;
    }
}

TEST(KeyTables, CapturedKeysGiveTheUsageTheMouseIsGiven) {
    struct Case {
        std::uint32_t key;
        std::uint32_t flags;
        const char* name;
        std::uint8_t usage;
    };
    const Case cases[] = {
        {0x0D, 0x01, "Num Enter", 88}, {0x0D, 0x00, "Enter", 40},        {0x5D, 0x01, "App", 0},
        {0xA0, 0x00, "Shift", 225},    {0xA1, 0x01, "Right Shift", 229}, {0xFF, 0x00, "", 0},
    };
    for (const Case& c : cases) {
        const std::string_view name = KeyTables::NameOfVirtualKey(
            KeyTables::EffectiveVirtualKey(c.key, c.flags & KeyTables::kFlagMask));
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(KeyTables::UsageOfName(name), c.usage) << c.name;
    }
}

} // namespace
} // namespace corvalith
