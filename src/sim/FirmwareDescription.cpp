#include "sim/FirmwareDescription.h"

#include <cstdio>

namespace corvalith {

namespace {

std::string Hex2(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value & 0xFF);
    return text;
}

std::string Colour(const std::uint8_t* rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", rgb[0], rgb[1], rgb[2]);
    return text;
}

std::string Consumer(unsigned usage) {
    switch (usage) {
    case 0x0183:
        return "Open Media Player";
    case 0x00B5:
        return "Next Track";
    case 0x00B6:
        return "Previous Track";
    case 0x00B7:
        return "Stop";
    case 0x00CD:
        return "Play/Pause";
    case 0x00E2:
        return "Mute";
    case 0x00E9:
        return "Volume Up";
    case 0x00EA:
        return "Volume Down";
    case 0x0194:
        return "My computer";
    case 0x0223:
        return "Web Home";
    case 0x0221:
        return "Search Computer";
    default: {
        char text[24];
        std::snprintf(text, sizeof text, "consumer 0x%04X", usage);
        return text;
    }
    }
}

std::string Modifiers(std::uint8_t usage) {
    switch (usage) {
    case 0xE0:
        return "Ctrl+";
    case 0xE2:
        return "Alt+";
    case 0xE3:
        return "Win+";
    case 0x00:
        return "";
    default:
        return "key " + Hex2(usage) + "+";
    }
}

} // namespace

std::string FirmwareDescription::ButtonCode(const std::uint8_t* c) {
    switch (c[3]) {
    case 0x00:
        return "Deactivated";
    case 0x02:
        switch (c[1]) {
        case 0xF0:
            return "Click";
        case 0xF1:
            return "Menu";
        case 0xF2:
            return "Scroll";
        case 0xF3:
            return "Back";
        case 0xF4:
            return "Forward";
        case 0xF5:
            return "Left Tilt Scroll";
        case 0xF6:
            return "Right Tilt Scroll";
        default:
            return "mouse " + Hex2(c[1]);
        }
    case 0x04:
        return Consumer(static_cast<unsigned>(c[0]) << 8 | c[1]);
    case 0x08:
        return c[2] == 1 ? "DPI +" : c[2] == 2 ? "DPI -" : c[2] == 3 ? "DPI Loop" : "DPI " + Hex2(c[2]);
    case 0x01: {
        std::string keys = Modifiers(c[2]) + "key " + Hex2(c[1]);
        if (c[0] != 0) {
            keys += "+key " + Hex2(c[0]);
        }
        return keys;
    }
    case 0x0A: {
        const char* mode = c[1] == 1   ? "once"
                           : c[1] == 3 ? "until any button"
                           : c[1] == 2 ? "while held"
                                       : "mode ?";
        return "Macro " + std::to_string(c[0]) + ", " + mode;
    }
    case 0x0C:
        if (c[0] == 0x02 && c[1] == 0xF0 && c[2] == 0x01) {
            return "Double-Click";
        }
        if (c[1] == 0x00 && c[2] == 0x04) {
            return "Fn";
        }
        if (c[1] == 0x07 && c[2] == 0x02) {
            return "Snipe";
        }
        break;
    default:
        break;
    }
    return "code " + Hex2(c[0]) + " " + Hex2(c[1]) + " " + Hex2(c[2]) + " " + Hex2(c[3]);
}

std::vector<std::string> FirmwareDescription::Lines(const VirtualMouse::Firmware& f) {
    std::vector<std::string> lines;
    const unsigned rate = f.PollingRate;
    lines.push_back("Polling rate: " + std::to_string(rate) + " ms" +
                    (rate == 1 || rate == 2 || rate == 4 || rate == 8
                         ? " (" + std::to_string(1000 / rate) + " Hz)"
                         : "") +
                    ", extra bytes " + Hex2(f.PollingExtra[0]) + " " + Hex2(f.PollingExtra[1]) + " " +
                    Hex2(f.PollingExtra[2]));
    std::string stages = "DPI stages:";
    for (std::size_t s = 0; s < f.StageCodes.size(); ++s) {
        stages +=
            " " + std::to_string((f.StageCodes[s] + 1) * 100) + ((f.StageMask >> s) & 1 ? "" : " (off)");
    }
    lines.push_back(stages);
    lines.push_back("Stage mask " + Hex2(f.StageMask) + ", current stage " +
                    std::to_string(f.CurrentStage + 1));
    std::string colours = "Stage colours:";
    for (std::size_t s = 0; s < 7; ++s) {
        colours += " " + Colour(&f.StageColours[3 * s]);
    }
    lines.push_back(colours);
    lines.push_back("Sensitivity: X " + std::to_string(f.SensitivityX) + ", Y " +
                    std::to_string(f.SensitivityY));
    lines.push_back("Lift-off: " +
                    (f.LiftOff == 6 ? std::string("off") : "level " + std::to_string(f.LiftOff)));
    lines.push_back("Lighting: mode command " + Hex2(f.LightingMode[0]) + " " + Hex2(f.LightingMode[1]) +
                    " " + Hex2(f.LightingMode[2]) + " " + Hex2(f.LightingMode[3]) + ", colour " +
                    Colour(f.LightingBlock.data()));
    // Table entries 0 to 6 carry slots 0, 1, 2, 4, 3, 5, 6, which the main window's rows "Button 1" to
    // "Button 7" show in the same order.
    for (std::size_t entry = 0; entry < 7; ++entry) {
        lines.push_back("Button " + std::to_string(entry + 1) + ": " + ButtonCode(&f.ButtonTable[4 * entry]));
    }
    std::string macros = "Macro slots with data:";
    bool any = false;
    for (std::size_t slot = 0; slot < f.MacroSlots.size(); ++slot) {
        bool data = false;
        for (std::size_t i = 0; i < 130; ++i) {
            data = data || f.MacroSlots[slot][i] != 0;
        }
        if (data) {
            macros += " " + std::to_string(slot);
            any = true;
        }
    }
    lines.push_back(any ? macros : macros + " none");
    if (f.RejectedFrames != 0) {
        lines.push_back("Frames with a wrong checksum: " + std::to_string(f.RejectedFrames));
    }
    return lines;
}

} // namespace corvalith
