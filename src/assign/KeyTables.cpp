#include "assign/KeyTables.h"

#include <array>
#include <string>

namespace corvalith {

namespace {

struct NamedCode {
    std::uint32_t Code;
    std::string_view Name;
};

// Virtual-key codes outside the ranges of digits, letters, keypad digits and function keys.
constexpr std::array kVirtualKeyNames = {
    NamedCode{0x08, "Backspace"},
    NamedCode{0x09, "Tab"},
    NamedCode{0x0D, "Enter"},
    NamedCode{0x13, "Pause"},
    NamedCode{0x14, "Caps Lock"},
    NamedCode{0x1B, "Esc"},
    NamedCode{0x20, "Space"},
    NamedCode{0x21, "Page Up"},
    NamedCode{0x22, "Page Down"},
    NamedCode{0x23, "End"},
    NamedCode{0x24, "Home"},
    NamedCode{0x25, "Left"},
    NamedCode{0x26, "Up"},
    NamedCode{0x27, "Right"},
    NamedCode{0x28, "Down"},
    NamedCode{0x29, "Select"},
    NamedCode{0x2B, "Execute"},
    NamedCode{0x2C, "Prnt Scrn"},
    NamedCode{0x2D, "Insert"},
    NamedCode{0x2E, "Delete"},
    NamedCode{0x2F, "Help"},
    NamedCode{0x5B, "Left Windows"},
    NamedCode{0x5C, "Right Windows"},
    NamedCode{0x5D, "App"},
    NamedCode{0x6A, "Num *"},
    NamedCode{0x6B, "Num +"},
    NamedCode{0x6C, "Num Enter"},
    NamedCode{0x6D, "Num -"},
    NamedCode{0x6E, "Num Del"},
    NamedCode{0x6F, "Num /"},
    NamedCode{0x90, "Num Lock"},
    NamedCode{0x91, "Scroll Lock"},
    NamedCode{0xA0, "Shift"},
    NamedCode{0xA1, "Right Shift"},
    NamedCode{0xA2, "Ctrl"},
    NamedCode{0xA3, "Right Ctrl"},
    NamedCode{0xA4, "Alt"},
    NamedCode{0xA5, "Right Alt"},
    NamedCode{0xBA, ";"},
    NamedCode{0xBB, "="},
    NamedCode{0xBC, ","},
    NamedCode{0xBD, "-"},
    NamedCode{0xBE, "."},
    NamedCode{0xBF, "/"},
    NamedCode{0xC0, "`"},
    NamedCode{0xDB, "["},
    NamedCode{0xDC, "\\"},
    NamedCode{0xDD, "]"},
    NamedCode{0xDE, "'"},
    NamedCode{0xF1, "L-Button"},
    NamedCode{0xF2, "R-Button"},
    NamedCode{0xF3, "M-Button"},
    NamedCode{0xF4, "Button 4"},
    NamedCode{0xF5, "Button 5"},
};

// Usage codes of the keyboard/keypad page, plus the program's own codes of the three mouse buttons.
// Letters, digits, function keys and keypad digits are generated in the lookup functions.
constexpr std::array kUsageNames = {
    NamedCode{40, "Enter"},
    NamedCode{41, "Esc"},
    NamedCode{42, "Backspace"},
    NamedCode{43, "Tab"},
    NamedCode{44, "Space"},
    NamedCode{45, "-"},
    NamedCode{46, "="},
    NamedCode{47, "["},
    NamedCode{48, "]"},
    NamedCode{49, "\\"},
    NamedCode{50, "Eurpo(Note 2)"},
    NamedCode{51, ";"},
    NamedCode{52, "'"},
    NamedCode{53, "`"},
    NamedCode{54, ","},
    NamedCode{55, "."},
    NamedCode{56, "/"},
    NamedCode{57, "Caps Lock"},
    NamedCode{70, "Prnt Scrn"},
    NamedCode{71, "Scroll Lock"},
    NamedCode{72, "Pause"},
    NamedCode{73, "Insert"},
    NamedCode{74, "Home"},
    NamedCode{75, "Page Up"},
    NamedCode{76, "Delete"},
    NamedCode{77, "End"},
    NamedCode{78, "Page Down"},
    NamedCode{79, "Right"},
    NamedCode{80, "Left"},
    NamedCode{81, "Down"},
    NamedCode{82, "Up"},
    NamedCode{83, "Num Lock"},
    NamedCode{84, "Num /"},
    NamedCode{85, "Num *"},
    NamedCode{86, "Num -"},
    NamedCode{87, "Num +"},
    NamedCode{88, "Num Enter"},
    NamedCode{98, "Num 0"},
    NamedCode{99, "Num Del"},
    NamedCode{101, "Application"},
    NamedCode{224, "Ctrl"},
    NamedCode{225, "Shift"},
    NamedCode{226, "Alt"},
    NamedCode{227, "Left Windows"},
    NamedCode{228, "Right Ctrl"},
    NamedCode{229, "Right Shift"},
    NamedCode{230, "Right Alt"},
    NamedCode{231, "Right Windows"},
    NamedCode{240, "L-Button"},
    NamedCode{241, "R-Button"},
    NamedCode{242, "M-Button"},
};

constexpr std::array<std::string_view, 26> kLetters = {"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                                       "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                                       "S", "T", "U", "V", "W", "X", "Y", "Z"};
constexpr std::array<std::string_view, 10> kDigits = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr std::array<std::string_view, 10> kKeypadDigits = {"Num 0", "Num 1", "Num 2", "Num 3", "Num 4",
                                                            "Num 5", "Num 6", "Num 7", "Num 8", "Num 9"};
constexpr std::array<std::string_view, 12> kFunctionKeys = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                                                            "F7", "F8", "F9", "F10", "F11", "F12"};

} // namespace

std::string_view KeyTables::NameOfVirtualKey(std::uint32_t virtualKey) {
    if (virtualKey >= 0x30 && virtualKey <= 0x39) {
        return kDigits[virtualKey - 0x30];
    }
    if (virtualKey >= 0x41 && virtualKey <= 0x5A) {
        return kLetters[virtualKey - 0x41];
    }
    if (virtualKey >= 0x60 && virtualKey <= 0x69) {
        return kKeypadDigits[virtualKey - 0x60];
    }
    if (virtualKey >= 0x70 && virtualKey <= 0x7B) {
        return kFunctionKeys[virtualKey - 0x70];
    }
    for (const NamedCode& entry : kVirtualKeyNames) {
        if (entry.Code == virtualKey) {
            return entry.Name;
        }
    }
    return {};
}

std::uint8_t KeyTables::UsageOfName(std::string_view name) {
    for (std::size_t i = 0; i < kLetters.size(); ++i) {
        if (name == kLetters[i]) {
            return static_cast<std::uint8_t>(4 + i);
        }
    }
    // "1" to "9" are 30 to 38 and "0" follows them as 39; the keypad digits likewise from 89.
    for (std::size_t i = 0; i < kDigits.size(); ++i) {
        if (name == kDigits[i]) {
            return static_cast<std::uint8_t>(i == 0 ? 39 : 29 + i);
        }
    }
    for (std::size_t i = 1; i < kKeypadDigits.size(); ++i) {
        if (name == kKeypadDigits[i]) {
            return static_cast<std::uint8_t>(88 + i);
        }
    }
    for (std::size_t i = 0; i < kFunctionKeys.size(); ++i) {
        if (name == kFunctionKeys[i]) {
            return static_cast<std::uint8_t>(58 + i);
        }
    }
    for (const NamedCode& entry : kUsageNames) {
        if (entry.Name == name) {
            return static_cast<std::uint8_t>(entry.Code);
        }
    }
    return 0;
}

std::string_view KeyTables::NameOfUsage(std::uint8_t usage) {
    if (usage >= 4 && usage <= 29) {
        return kLetters[usage - 4];
    }
    if (usage >= 30 && usage <= 38) {
        return kDigits[usage - 29];
    }
    if (usage == 39) {
        return kDigits[0];
    }
    if (usage >= 58 && usage <= 69) {
        return kFunctionKeys[usage - 58];
    }
    if (usage >= 89 && usage <= 97) {
        return kKeypadDigits[usage - 88];
    }
    for (const NamedCode& entry : kUsageNames) {
        if (entry.Code == usage) {
            return entry.Name;
        }
    }
    return "N/A";
}

std::uint32_t KeyTables::EffectiveVirtualKey(std::uint32_t virtualKey, std::uint32_t maskedFlags) {
    if (virtualKey == kVirtualKeyEnter && (maskedFlags & kFlagExtended) != 0) {
        return kVirtualKeyNumEnter;
    }
    return virtualKey;
}

} // namespace corvalith
