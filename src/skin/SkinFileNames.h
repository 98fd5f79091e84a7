#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvalith {

// Every file of the Skins folder, named by its path inside that folder with "/" between the names: the
// one list from which the windows, the skin artwork generator, the skin gallery and the tests name them.
class SkinFileNames {
    // The two texts one after the other, for the constant paths below.
    template <std::size_t Size>
    static constexpr std::array<char, Size> Joined(std::string_view first, std::string_view second) {
        std::array<char, Size> chars{};
        std::size_t at = 0;
        for (const char c : first) {
            chars[at++] = c;
        }
        for (const char c : second) {
            chars[at++] = c;
        }
        return chars;
    }

public:
    SkinFileNames() = delete;

    // The folder, relative to the program folder, that every name below lies in.
    static constexpr std::string_view kFolder = "Skins/";

    // Main window
    static constexpr std::string_view kMain = "main.png";
    static constexpr std::string_view kMainLeft = "BK_MainLeft.png";
    static constexpr std::string_view kMainMid = "BK_MainMid.png";
    static constexpr std::string_view kMainRight = "BK_MainRight.png";
    static constexpr std::string_view kLogo = "Logo.png";
    static constexpr std::string_view kMLogo = "MLogo.png";
    static constexpr std::string_view kItemBk = "ItemBK.png";
    static constexpr std::string_view kItemBkLod = "ItemBK-LOD.png";
    static constexpr std::string_view kLodHelp = "lodhelp.png";
    static constexpr std::string_view kEnable = "Enable.png";
    static constexpr std::string_view kDisable = "Disable.png";
    static constexpr std::string_view kCancelNormal = "button-cancel-normal.png";
    static constexpr std::string_view kCancelOver = "button-cancel-over.png";
    static constexpr std::string_view kCancelLeave = "button-cancel-leave.png";
    static constexpr std::string_view kSaveLeave = "button-save-leave.png";
    static constexpr std::string_view kCloseNormal = "button-close-normal.png";
    static constexpr std::string_view kCloseOver = "button-close-over.png";
    static constexpr std::string_view kMinNormal = "button-min-normal.png";
    static constexpr std::string_view kMinOver = "button-min-over.png";
    static constexpr std::string_view kHelpNormal = "button-help-normal.png";
    static constexpr std::string_view kHelpOver = "button-help-over.png";
    static constexpr std::string_view kConfigNormal = "button-config-normal.png";
    static constexpr std::string_view kConfigOver = "button-config-over.png";
    static constexpr std::string_view kConfigLeave = "button-config-leave.png";
    static constexpr std::string_view kMouseNormal = "button-mouse-normal.png";
    static constexpr std::string_view kMouseOver = "button-mouse-over.png";
    static constexpr std::string_view kMouseLeave = "button-mouse-leave.png";
    static constexpr std::string_view kButtonAssignment = "ButtonAssignment/BK_ButtonAssignment.png";
    static constexpr std::string_view kDropdownNormal = "ButtonAssignment/DropdownBox-normal.png";
    static constexpr std::string_view kDropdownOver = "ButtonAssignment/DropdownBox-over.png";
    static constexpr std::string_view kXYSensitivity = "XYSensitivity/BK_XYSensSetting.png";
    static constexpr std::string_view kXYTrack = "XYSensitivity/1.png";
    static constexpr std::string_view kXYTrackFilled = "XYSensitivity/2.png";
    static constexpr std::string_view kLiftOff = "SilentHeihgt/sh-bk.png";
    static constexpr std::string_view kMouseFront = "Mouse/Front/MouseFront.png";
    static constexpr std::string_view kMouseSide = "Mouse/Side/MouseSide.png";
    static constexpr std::string_view kMouseBack = "Mouse/Back/MouseBack.png";

    // The mouse pictures' button images: buttons 1 to 7 from the front and the side, 4 and 5 from the
    // back, each normal and under the pointer ("Mouse/Front/F-1-normal.png").
    enum class MouseView { Front, Side, Back };
    static std::string MouseButton(MouseView view, int number, bool over);

    // Advanced panel and settings pages
    static constexpr std::string_view kDpiPage = "DPISetting/BK_DPISetting.png";
    static constexpr std::string_view kDpiValue = "DPISetting/BK-DPIValue.png";
    static constexpr std::string_view kDpiTrack = "DPISetting/DPIStage/0.png";
    static constexpr std::string_view kDpiTrackFilled = "DPISetting/DPIStage/82.png";
    static constexpr std::string_view kLightingPage = "Lighting/BK_Lighting.png";
    static constexpr std::string_view kPadLightingPage = "Lighting/BK_PADLighting.png";
    static constexpr std::string_view kStageTrack = "StageSlider/1.png";
    static constexpr std::string_view kStageTrackFilled = "StageSlider/10.png";
    static constexpr std::string_view kPollingPage = "USBReportRate/BK_USBReportRate.png";
    static constexpr std::string_view kPointerPage = "MouseAttribute/BK_MouseAttribute.png";
    static constexpr std::string_view kScrollPage = "MouseAttribute/BK_ScrollSpeed.png";
    static constexpr std::string_view kScrollEnable = "MouseAttribute/ScrollSpeed/Enable.png";
    static constexpr std::string_view kScrollDisable = "MouseAttribute/ScrollSpeed/Disable.png";
    static constexpr std::string_view kScrollLines = "MouseAttribute/ScrollSpeed/ScrollLines.png";
    static constexpr std::string_view kAngleSnapPage = "AngleSnap/BK_AngleSnap.png";
    // The polling dial at a rate in hertz (1000, 500, 250, 125): "USBReportRate/1000HZ.png".
    static std::string PollingRate(int hertz);
    // The pointer-speed gauge at a level from 1 to 11: "MouseAttribute/Speed/6.png".
    static std::string PointerSpeed(int level);

    // Splash and warning windows
    static constexpr std::string_view kSplash = "splash.png";
    static constexpr std::string_view kWarning = "Warning/main.jpg";
    static constexpr std::string_view kWarningButtonNormal = "Warning/Button-Normal.png";
    static constexpr std::string_view kWarningButtonDown = "Warning/Button-Down.png";
    static constexpr std::string_view kWarningCloseNormal = "Warning/Close-Normal.png";
    static constexpr std::string_view kWarningCloseDown = "Warning/Close-Down.png";
    static constexpr std::string_view kWarningOptionNormal = "Warning/Option-Normal.png";
    static constexpr std::string_view kWarningOptionDown = "Warning/Option-Down.png";

    // Profile manager
    static constexpr std::string_view kConfig = "Config/Config.png";
    static constexpr std::string_view kNewConfig = "Config/New-Config.png";
    static constexpr std::string_view kDelConfig = "Config/Del-Config.png";

    // Key capture dialog, macro manager and macro assignment dialog
    static constexpr std::string_view kSingleKey = "single-key.png";
    static constexpr std::string_view kMacroManagement = "MacroManagement/MacroManagement.png";
    static constexpr std::string_view kRecordNormal = "MacroManagement/Record-normal.png";
    static constexpr std::string_view kRecordOver = "MacroManagement/Record-over.png";
    static constexpr std::string_view kNewNormal = "MacroManagement/button-new-normal.png";
    static constexpr std::string_view kNewOver = "MacroManagement/button-new-over.png";
    static constexpr std::string_view kMacroCancelNormal = "MacroManagement/button-cancel-normal.png";
    static constexpr std::string_view kMacroCancelOver = "MacroManagement/button-cancel-over.png";
    static constexpr std::string_view kMacroPane = "MacroManagement/Pane.png";
    static constexpr std::string_view kMacroPaneTick = "MacroManagement/PaneMakingTick.png";
    static constexpr std::string_view kMacroCloseNormal = "macro-button-close-normal.png";
    static constexpr std::string_view kMacroCloseOver = "macro-button-close-over.png";
    static constexpr std::string_view kMacroKey = "macro-key.png";
    static constexpr std::string_view kPane = "Pane.png";
    static constexpr std::string_view kPaneTick = "PaneMakingTick.png";

    // Every file, each once.
    static std::vector<std::string> All();

    // The name as the windows pass it to the skin images, relative to the program folder: "Skins/" and
    // the name.
    static std::string InSkins(std::string_view name);

private:
    template <const std::string_view& Name>
    static constexpr std::array<char, kFolder.size() + Name.size()>
        kInSkinsChars = Joined<kFolder.size() + Name.size()>(kFolder, Name);

public:
    // InSkins of one of the constant names above, as a constant for tables of paths:
    // kInSkins<SkinFileNames::kMain> is "Skins/main.png".
    template <const std::string_view& Name>
    static constexpr std::string_view kInSkins{kInSkinsChars<Name>.data(), kInSkinsChars<Name>.size()};
};

} // namespace corvalith
