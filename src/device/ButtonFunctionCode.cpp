#include "device/ButtonFunctionCode.h"

#include "profile/AssignmentKind.h"

namespace corvalith {

ButtonFunctionCode::Code ButtonFunctionCode::ForSystemFunction(std::uint8_t index) {
    static constexpr Code kCodes[] = {
        {0x01, 0x94, 0x00, 0x04}, // My computer: consumer 0x0194
        {0x02, 0x23, 0x00, 0x04}, // Web Home: consumer 0x0223
        {0x02, 0x21, 0x00, 0x04}, // Search Computer: consumer 0x0221
        {0x1B, 0x2C, 0xE2, 0x01}, // Maximize: left Alt + Space + X
        {0x11, 0x2C, 0xE2, 0x01}, // Minimize: left Alt + Space + N
        {0x00, 0x07, 0xE3, 0x01}, // Show desktop: left GUI + D
        {0x00, 0x15, 0xE3, 0x01}, // Run: left GUI + R
    };
    return index < std::size(kCodes) ? kCodes[index] : Code{};
}

std::uint8_t ButtonFunctionCode::MacroRunModeCode(std::uint8_t mode) {
    switch (mode) {
    case 0:
        return 1;
    case 1:
        return 3;
    case 2:
        return 2;
    default:
        return mode;
    }
}

ButtonFunctionCode::Code ButtonFunctionCode::ForSlot(const ProfileSettings& p, std::size_t s) {
    if (s >= ProfileSettings::kButtonSlots) {
        return {};
    }
    switch (static_cast<AssignmentKind>(p.ButtonAssignmentKind[s])) {
    case AssignmentKind::Click:
        return {0x00, 0xF0, 0x00, 0x02};
    case AssignmentKind::Menu:
        return {0x00, 0xF1, 0x00, 0x02};
    case AssignmentKind::Scroll:
        return {0x00, 0xF2, 0x00, 0x02};
    case AssignmentKind::Forward:
        return {0x00, 0xF4, 0x00, 0x02};
    case AssignmentKind::Back:
        return {0x00, 0xF3, 0x00, 0x02};
    case AssignmentKind::DoubleClick:
        return {0x02, 0xF0, 0x01, 0x0C};
    case AssignmentKind::DpiFunction:
        return {0x00, 0x00, p.ButtonDpiFunction[s], 0x08};
    case AssignmentKind::MediaKey:
        // 0x83 stands for the consumer usage 0x0183 ("Open Media Player"); the others are 0x00xx.
        return {static_cast<std::uint8_t>(p.ButtonMediaKey[s] == 0x83 ? 0x01 : 0x00), p.ButtonMediaKey[s],
                0x00, 0x04};
    case AssignmentKind::CtrlShortcut:
        return {0x00, p.ButtonShortcutKey[s], 0xE0, 0x01};
    case AssignmentKind::SystemFunction:
        return ForSystemFunction(p.ButtonSystemFunction[s]);
    case AssignmentKind::SingleKey:
        return {0x00, p.ButtonKey[s], 0x00, 0x01};
    case AssignmentKind::Macro:
        return {p.ButtonMacroIndex[s], MacroRunModeCode(p.ButtonMacroMode[s]), 0x00, 0x0A};
    case AssignmentKind::LeftTilt:
        return {0x00, 0xF5, 0x00, 0x02};
    case AssignmentKind::RightTilt:
        return {0x00, 0xF6, 0x00, 0x02};
    case AssignmentKind::Fn:
        return {0x00, 0x00, 0x04, 0x0C};
    case AssignmentKind::Snipe:
        return {0x00, 0x07, 0x02, 0x0C};
    case AssignmentKind::Deactivated:
    default:
        return {};
    }
}

std::array<std::uint8_t, ButtonFunctionCode::kTableSize>
ButtonFunctionCode::Table(const ProfileSettings& profile) {
    // Entries 3 and 4 carry slots 4 and 3: the mouse numbers those two buttons the other way round.
    static constexpr std::size_t kSlotOfEntry[7] = {0, 1, 2, 4, 3, 5, 6};
    std::array<std::uint8_t, kTableSize> table{};
    for (std::size_t entry = 0; entry < 7; ++entry) {
        const Code code = ForSlot(profile, kSlotOfEntry[entry]);
        std::copy(code.begin(), code.end(), table.begin() + static_cast<long>(entry * 4));
    }
    // Fixed entries the user cannot change.
    const std::pair<std::size_t, Code> fixed[] = {
        {7, {0x00, 0x00, 0x03, 0x0C}},
        {8, {0x00, 0x00, 0x01, 0x0B}},
        {14, {0x00, 0x01, 0x01, 0x05}},
        {15, {0x00, 0x01, 0x02, 0x05}},
    };
    for (const auto& [entry, code] : fixed) {
        std::copy(code.begin(), code.end(), table.begin() + static_cast<long>(entry * 4));
    }
    return table;
}

} // namespace corvalith
