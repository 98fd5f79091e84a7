#pragma once

#include "lang/LanguageCode.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace corvalith {

// The entries of the language table, numbered as the table is (1 to 81).
enum class TextEntry : std::size_t {
    SettingSection = 1, // section of the assignment captions in the profile text files
    ProductTitle,
    Ok,
    Reset,
    Cancel,
    Config,
    TopView,
    SideView,
    ButtonAssignment,
    MacroManager,
    AxisSensitivity,
    LiftOffDistance,
    DpiSetting,
    Lighting,
    MousePadLighting,
    PollingRate,
    MouseSpeed,
    DoubleClickSpeed,
    ScrollSpeed,
    AngleSnapping,
    XAxis,
    YAxis,
    Button1, // "Button 1" to "Button 7" follow in order
    Button7 = Button1 + 6,
    DpiUp,
    DpiDown,
    DpiLoop,
    Slow,
    Fast,
    NumberOfRows,
    ScrollOneScreen,
    LightStandard,
    LightRespiration,
    LightNeon,
    LightFingerTapping,
    LightStream,
    MouseColor,
    Click,
    Menu,
    Scroll,
    Forward,
    Back,
    DpiGroup,
    SystemGroup,
    MediaGroup,
    ShortcutGroup,
    AssignKeyboardKey,
    Macro,
    Deactivated,
    DoubleClick,
    Snipe,
    ClickGuardMessage,
    MakerAddress,
    Update,
    DpiStage1, // the balloon texts of stages 1 to 8 follow in order
    DpiStage8 = DpiStage1 + 7,
    Exit,
    DeviceNotDetected,
    DeviceDetected,
    ResetQuestion,
    Attention,
    ColourNote,
    Off,
    On,
    LiftOffTip,
    Note,
    LiftOffNote,
    WritingToMouse,     // the notification-area icon's tool-tip while an upload runs
    AutomaticSwitching, // the icon menu's item that lets the program in front choose the profile
    ActiveProfile,      // the balloon after a switch of profiles, followed by the profile's name
};

// The process-wide strings of the user interface in the language chosen at start-up. All entries are
// empty until the table is filled, and stay empty when the language code is none of the four codes.
class LanguageTable {
public:
    static constexpr std::size_t kEntryCount = 81;

    // Fills every entry in the language of `code` when it is exactly one of "CHS", "CHT", "EN", "DE";
    // otherwise leaves every entry empty. Remembers the code.
    void Fill(std::string_view code);

    const std::string& Code() const { return code_; }

    // Entry `number` (1 to 81); "" for a number outside the table.
    const std::string& Entry(std::size_t number) const;
    const std::string& Text(TextEntry entry) const { return Entry(static_cast<std::size_t>(entry)); }

    // The texts of one language as the table holds them, entry 1 first; for tools and tests.
    static const std::array<std::string_view, kEntryCount>& TextsOf(Language language);

private:
    std::string code_;
    std::array<std::string, kEntryCount> entries_{};
};

} // namespace corvalith
