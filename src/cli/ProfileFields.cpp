#include "cli/ProfileFields.h"

#include "profile/AssignmentKind.h"

#include <cstdio>

namespace corvalith {

namespace {

void Separate(std::string& text) {
    if (!text.empty()) {
        text.push_back(',');
    }
}

template <std::size_t N> std::string Numbers(const std::uint8_t (&values)[N]) {
    std::string text;
    for (std::size_t i = 0; i < N; ++i) {
        Separate(text);
        text += std::to_string(values[i]);
    }
    return text;
}

template <std::size_t N> std::string Colours(const Rgb (&values)[N]) {
    std::string text;
    for (std::size_t i = 0; i < N; ++i) {
        char colour[8];
        std::snprintf(colour, sizeof colour, "%02x%02x%02x", values[i].Red, values[i].Green, values[i].Blue);
        Separate(text);
        text += colour;
    }
    return text;
}

std::string Kinds(const std::uint8_t (&values)[ProfileSettings::kButtonSlots]) {
    std::string text;
    for (std::size_t i = 0; i < ProfileSettings::kButtonSlots; ++i) {
        const std::string_view name = AssignmentKindName(values[i]);
        Separate(text);
        text += name.empty() ? std::to_string(values[i]) : std::string(name);
    }
    return text;
}

std::string Hex(const std::uint8_t* bytes, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%02x", bytes[i]);
        text += byte;
    }
    return text;
}

} // namespace

std::vector<std::string> ProfileFields::Lines(const ProfileSettings& p) {
    std::vector<std::string> lines = {
        "ProfileIndex=" + std::to_string(p.ProfileIndex),
        "Reserved1=" + Numbers(p.Reserved1),
        "ReportRate=" + std::to_string(p.ReportRate),
        "Reserved6=" + std::to_string(p.Reserved6),
        "DpiValuesA=" + Numbers(p.DpiValuesA),
        "DpiValuesB=" + Numbers(p.DpiValuesB),
        "DpiStageEnabled=" + Numbers(p.DpiStageEnabled),
        "DpiStageEnabledSpare=" + Numbers(p.DpiStageEnabledSpare),
        "DpiStageColors=" + Colours(p.DpiStageColors),
        "MouseLightMode=" + std::to_string(p.MouseLightMode),
        "MouseLightParams=" + Numbers(p.MouseLightParams),
        "ReservedMouseLight=" + std::to_string(p.ReservedMouseLight),
        "Reserved74=" + Numbers(p.Reserved74),
        "MouseColors=" + Colours(p.MouseColors),
        "MouseColorIndex=" + std::to_string(p.MouseColorIndex),
        "PadLightMode=" + std::to_string(p.PadLightMode),
        "PadLightParams=" + Numbers(p.PadLightParams),
        "ReservedPadLight=" + std::to_string(p.ReservedPadLight),
        "Reserved124=" + Numbers(p.Reserved124),
        "PadColors=" + Colours(p.PadColors),
        "PadColorIndex=" + std::to_string(p.PadColorIndex),
        "EnhancePointerPrecision=" + std::to_string(p.EnhancePointerPrecision),
        "ScrollOneScreen=" + std::to_string(p.ScrollOneScreen),
        "PointerSpeed=" + std::to_string(p.PointerSpeed),
        "ScrollLines=" + std::to_string(p.ScrollLines),
        "DoubleClickSpeed=" + std::to_string(p.DoubleClickSpeed),
        "AngleSnapAngle=" + std::to_string(p.AngleSnapAngle),
        "AngleSnapEnabled=" + std::to_string(p.AngleSnapEnabled),
        "Reserved168=" + std::to_string(p.Reserved168),
        "SensitivityX=" + std::to_string(p.SensitivityX),
        "SensitivityY=" + std::to_string(p.SensitivityY),
        "Reserved171=" + std::to_string(p.Reserved171),
        "LiftOffEnabled=" + std::to_string(p.LiftOffEnabled),
        "LiftOffLevel=" + std::to_string(p.LiftOffLevel),
        "ButtonAssignmentKind=" + Kinds(p.ButtonAssignmentKind),
        "ButtonDpiFunction=" + Numbers(p.ButtonDpiFunction),
        "ButtonSpare=" + Numbers(p.ButtonSpare),
        "ButtonMediaKey=" + Numbers(p.ButtonMediaKey),
        "ButtonSystemFunction=" + Numbers(p.ButtonSystemFunction),
        "ButtonReserved217=" + Numbers(p.ButtonReserved217),
        "ButtonShortcutKey=" + Numbers(p.ButtonShortcutKey),
        "ButtonKey=" + Numbers(p.ButtonKey),
        "ButtonReserved257=" + Numbers(p.ButtonReserved257),
        "ButtonMacroIndex=" + Numbers(p.ButtonMacroIndex),
        "ButtonMacroMode=" + Numbers(p.ButtonMacroMode),
    };
    for (std::size_t k = 0; k < ProfileSettings::kMacroCount; ++k) {
        lines.push_back("MacroBlockTable[" + std::to_string(k) +
                        "]=" + Hex(p.MacroBlockTable[k], ProfileSettings::kMacroBlockSize));
    }
    lines.push_back("ReservedTail=" + Numbers(p.ReservedTail));
    return lines;
}

} // namespace corvalith
