#pragma once

#include "platform/Rgb.h"

#include <cstddef>
#include <cstdint>

namespace corvalith {

// Every setting of one profile. The same bytes are the payload of a profile file and of an exported
// profile, so the layout is a file format: packed, little-endian, exactly 1892 bytes, every reserved
// byte kept. The per-button arrays hold one byte per button slot 0 to 7 (slot 7 is never assigned).
#pragma pack(push, 1)
struct ProfileSettings {
    static constexpr std::size_t kSize = 1892;
    static constexpr std::size_t kButtonSlots = 8;
    static constexpr std::size_t kDpiStages = 7;
    static constexpr std::size_t kMacroCount = 12;
    static constexpr std::size_t kMacroBlockSize = 130;
    static constexpr std::size_t kPaletteSize = 8;
    static constexpr std::size_t kLightModes = 9;

    std::uint8_t ProfileIndex;
    std::uint8_t Reserved1[4];
    std::uint8_t ReportRate; // polling interval in ms: 1, 2, 4 or 8
    std::uint8_t Reserved6;
    std::uint8_t DpiValuesA[8]; // fine scale, edited before the mouse has been found
    std::uint8_t DpiValuesB[8]; // coarse scale (code x 100 DPI), the table sent to the mouse
    std::uint8_t DpiStageEnabled[8];
    std::uint8_t DpiStageEnabledSpare[8];
    Rgb DpiStageColors[kPaletteSize];
    std::uint8_t MouseLightMode;
    std::uint8_t MouseLightParams[kLightModes]; // parameter of mode m at index m - 1
    std::uint8_t ReservedMouseLight;            // cleared whenever the mouse lighting mode changes
    std::uint8_t Reserved74[14];
    Rgb MouseColors[kPaletteSize];
    std::uint8_t MouseColorIndex; // 0 to 5, 5 = multi-colour
    std::uint8_t PadLightMode;
    std::uint8_t PadLightParams[kLightModes];
    std::uint8_t ReservedPadLight; // cleared whenever the pad lighting mode changes
    std::uint8_t Reserved124[12];
    Rgb PadColors[kPaletteSize];
    std::uint8_t PadColorIndex;
    std::uint8_t EnhancePointerPrecision; // 1 = on, anything else = off
    std::uint8_t ScrollOneScreen;
    std::uint8_t PointerSpeed;
    std::uint8_t ScrollLines;
    std::uint8_t DoubleClickSpeed;
    std::uint8_t AngleSnapAngle;
    std::uint8_t AngleSnapEnabled;
    std::uint8_t Reserved168;
    std::uint8_t SensitivityX; // the mouse receives level x 20
    std::uint8_t SensitivityY;
    std::uint8_t Reserved171;
    std::uint32_t LiftOffEnabled; // non-zero = the lift-off-distance function is on
    std::uint8_t LiftOffLevel;
    std::uint8_t ButtonAssignmentKind[kButtonSlots]; // AssignmentKind values
    std::uint8_t ButtonDpiFunction[kButtonSlots];    // 1 "DPI +", 2 "DPI -", 3 "DPI Loop"
    std::uint8_t ButtonSpare[kButtonSlots];
    std::uint8_t ButtonMediaKey[kButtonSlots];       // low byte of the consumer-control usage
    std::uint8_t ButtonSystemFunction[kButtonSlots]; // 0 to 6
    std::uint8_t ButtonReserved217[3 * kButtonSlots];
    std::uint8_t ButtonShortcutKey[kButtonSlots]; // HID keyboard usage pressed together with Ctrl
    std::uint8_t ButtonKey[kButtonSlots];         // HID keyboard usage of a single key
    std::uint8_t ButtonReserved257[7 * kButtonSlots];
    std::uint8_t ButtonMacroIndex[kButtonSlots]; // 0 to 11
    std::uint8_t ButtonMacroMode[kButtonSlots];  // 0 once, 1 until any button, 2 until released
    std::uint8_t MacroBlockTable[kMacroCount][kMacroBlockSize];
    std::uint8_t ReservedTail[3];

    // Writes every factory default. Keeps the profile index, the lift-off switch, the macro block
    // table, the unused eighth entries of the stage tables, the unused palette entries 6 and 7, the
    // reserved gaps at 74, 124 and 171 and the last three bytes; clears the button parameter arrays
    // from offset 201 to 328.
    void ResetToFactoryDefaults();

    // Brings every value that reaches Windows or the mouse into the range its page or slider can set, the
    // way that control takes it: pointer speed and double-click levels to 1..11, scroll lines outside
    // 1..100 to 1, a polling interval other than 1, 2, 4 or 8 ms to 2 (500 Hz), axis sensitivity outside
    // 1..11 to 1, a lift-off level outside 0..6 to 0, and the sent DPI codes to 1..120. A record read from a
    // file may hold anything; the mouse and Windows must never receive a value no page could have set.
    void ClampToPageRanges();

    // The record of a first start: all zeros, then the factory defaults.
    static ProfileSettings FactoryDefaults();

    std::uint8_t* Bytes() { return reinterpret_cast<std::uint8_t*>(this); }
    const std::uint8_t* Bytes() const { return reinterpret_cast<const std::uint8_t*>(this); }
};
#pragma pack(pop)

static_assert(sizeof(ProfileSettings) == ProfileSettings::kSize);

// The record is a file format: every field at its fixed offset.
#define CORVALITH_CHECK_OFFSET(field, offset)                                                                \
    static_assert(offsetof(ProfileSettings, field) == (offset), #field " is not at offset " #offset)
CORVALITH_CHECK_OFFSET(ProfileIndex, 0);
CORVALITH_CHECK_OFFSET(Reserved1, 1);
CORVALITH_CHECK_OFFSET(ReportRate, 5);
CORVALITH_CHECK_OFFSET(Reserved6, 6);
CORVALITH_CHECK_OFFSET(DpiValuesA, 7);
CORVALITH_CHECK_OFFSET(DpiValuesB, 15);
CORVALITH_CHECK_OFFSET(DpiStageEnabled, 23);
CORVALITH_CHECK_OFFSET(DpiStageEnabledSpare, 31);
CORVALITH_CHECK_OFFSET(DpiStageColors, 39);
CORVALITH_CHECK_OFFSET(MouseLightMode, 63);
CORVALITH_CHECK_OFFSET(MouseLightParams, 64);
CORVALITH_CHECK_OFFSET(ReservedMouseLight, 73);
CORVALITH_CHECK_OFFSET(Reserved74, 74);
CORVALITH_CHECK_OFFSET(MouseColors, 88);
CORVALITH_CHECK_OFFSET(MouseColorIndex, 112);
CORVALITH_CHECK_OFFSET(PadLightMode, 113);
CORVALITH_CHECK_OFFSET(PadLightParams, 114);
CORVALITH_CHECK_OFFSET(ReservedPadLight, 123);
CORVALITH_CHECK_OFFSET(Reserved124, 124);
CORVALITH_CHECK_OFFSET(PadColors, 136);
CORVALITH_CHECK_OFFSET(PadColorIndex, 160);
CORVALITH_CHECK_OFFSET(EnhancePointerPrecision, 161);
CORVALITH_CHECK_OFFSET(ScrollOneScreen, 162);
CORVALITH_CHECK_OFFSET(PointerSpeed, 163);
CORVALITH_CHECK_OFFSET(ScrollLines, 164);
CORVALITH_CHECK_OFFSET(DoubleClickSpeed, 165);
CORVALITH_CHECK_OFFSET(AngleSnapAngle, 166);
CORVALITH_CHECK_OFFSET(AngleSnapEnabled, 167);
CORVALITH_CHECK_OFFSET(Reserved168, 168);
CORVALITH_CHECK_OFFSET(SensitivityX, 169);
CORVALITH_CHECK_OFFSET(SensitivityY, 170);
CORVALITH_CHECK_OFFSET(Reserved171, 171);
CORVALITH_CHECK_OFFSET(LiftOffEnabled, 172);
CORVALITH_CHECK_OFFSET(LiftOffLevel, 176);
CORVALITH_CHECK_OFFSET(ButtonAssignmentKind, 177);
CORVALITH_CHECK_OFFSET(ButtonDpiFunction, 185);
CORVALITH_CHECK_OFFSET(ButtonSpare, 193);
CORVALITH_CHECK_OFFSET(ButtonMediaKey, 201);
CORVALITH_CHECK_OFFSET(ButtonSystemFunction, 209);
CORVALITH_CHECK_OFFSET(ButtonReserved217, 217);
CORVALITH_CHECK_OFFSET(ButtonShortcutKey, 241);
CORVALITH_CHECK_OFFSET(ButtonKey, 249);
CORVALITH_CHECK_OFFSET(ButtonReserved257, 257);
CORVALITH_CHECK_OFFSET(ButtonMacroIndex, 313);
CORVALITH_CHECK_OFFSET(ButtonMacroMode, 321);
CORVALITH_CHECK_OFFSET(MacroBlockTable, 329);
CORVALITH_CHECK_OFFSET(ReservedTail, 1889);
#undef CORVALITH_CHECK_OFFSET

} // namespace corvalith
