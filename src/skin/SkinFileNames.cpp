#include "skin/SkinFileNames.h"

#include <array>

namespace corvalith {

namespace {

constexpr std::array kFixedNames = {
    SkinFileNames::kMain,
    SkinFileNames::kMainLeft,
    SkinFileNames::kMainMid,
    SkinFileNames::kMainRight,
    SkinFileNames::kLogo,
    SkinFileNames::kMLogo,
    SkinFileNames::kItemBk,
    SkinFileNames::kItemBkLod,
    SkinFileNames::kLodHelp,
    SkinFileNames::kEnable,
    SkinFileNames::kDisable,
    SkinFileNames::kCancelNormal,
    SkinFileNames::kCancelOver,
    SkinFileNames::kCancelLeave,
    SkinFileNames::kSaveLeave,
    SkinFileNames::kCloseNormal,
    SkinFileNames::kCloseOver,
    SkinFileNames::kMinNormal,
    SkinFileNames::kMinOver,
    SkinFileNames::kHelpNormal,
    SkinFileNames::kHelpOver,
    SkinFileNames::kConfigNormal,
    SkinFileNames::kConfigOver,
    SkinFileNames::kConfigLeave,
    SkinFileNames::kMouseNormal,
    SkinFileNames::kMouseOver,
    SkinFileNames::kMouseLeave,
    SkinFileNames::kButtonAssignment,
    SkinFileNames::kDropdownNormal,
    SkinFileNames::kDropdownOver,
    SkinFileNames::kXYSensitivity,
    SkinFileNames::kXYTrack,
    SkinFileNames::kXYTrackFilled,
    SkinFileNames::kLiftOff,
    SkinFileNames::kMouseFront,
    SkinFileNames::kMouseSide,
    SkinFileNames::kMouseBack,
    SkinFileNames::kDpiPage,
    SkinFileNames::kDpiValue,
    SkinFileNames::kDpiTrack,
    SkinFileNames::kDpiTrackFilled,
    SkinFileNames::kLightingPage,
    SkinFileNames::kPadLightingPage,
    SkinFileNames::kStageTrack,
    SkinFileNames::kStageTrackFilled,
    SkinFileNames::kPollingPage,
    SkinFileNames::kPointerPage,
    SkinFileNames::kScrollPage,
    SkinFileNames::kScrollEnable,
    SkinFileNames::kScrollDisable,
    SkinFileNames::kScrollLines,
    SkinFileNames::kAngleSnapPage,
    SkinFileNames::kSplash,
    SkinFileNames::kWarning,
    SkinFileNames::kWarningButtonNormal,
    SkinFileNames::kWarningButtonDown,
    SkinFileNames::kWarningCloseNormal,
    SkinFileNames::kWarningCloseDown,
    SkinFileNames::kWarningOptionNormal,
    SkinFileNames::kWarningOptionDown,
    SkinFileNames::kConfig,
    SkinFileNames::kNewConfig,
    SkinFileNames::kDelConfig,
    SkinFileNames::kSingleKey,
    SkinFileNames::kMacroManagement,
    SkinFileNames::kRecordNormal,
    SkinFileNames::kRecordOver,
    SkinFileNames::kNewNormal,
    SkinFileNames::kNewOver,
    SkinFileNames::kMacroCancelNormal,
    SkinFileNames::kMacroCancelOver,
    SkinFileNames::kMacroPane,
    SkinFileNames::kMacroPaneTick,
    SkinFileNames::kMacroCloseNormal,
    SkinFileNames::kMacroCloseOver,
    SkinFileNames::kMacroKey,
    SkinFileNames::kPane,
    SkinFileNames::kPaneTick,
};

constexpr std::array kPollingRates = {1000, 500, 250, 125};
constexpr int kPointerLevels = 11;

} // namespace

std::string SkinFileNames::MouseButton(MouseView view, int number, bool over) {
    const char* const folder = view == MouseView::Front  ? "Mouse/Front/F-"
                               : view == MouseView::Side ? "Mouse/Side/S-"
                                                         : "Mouse/Back/B-";
    return folder + std::to_string(number) + (over ? "-over.png" : "-normal.png");
}

std::string SkinFileNames::PollingRate(int hertz) {
    return "USBReportRate/" + std::to_string(hertz) + "HZ.png";
}

std::string SkinFileNames::PointerSpeed(int level) {
    return "MouseAttribute/Speed/" + std::to_string(level) + ".png";
}

std::vector<std::string> SkinFileNames::All() {
    std::vector<std::string> names(kFixedNames.begin(), kFixedNames.end());
    for (const MouseView view : {MouseView::Front, MouseView::Side}) {
        for (int number = 1; number <= 7; ++number) {
            names.push_back(MouseButton(view, number, false));
            names.push_back(MouseButton(view, number, true));
        }
    }
    for (const int number : {4, 5}) {
        names.push_back(MouseButton(MouseView::Back, number, false));
        names.push_back(MouseButton(MouseView::Back, number, true));
    }
    for (const int hertz : kPollingRates) {
        names.push_back(PollingRate(hertz));
    }
    for (int level = 1; level <= kPointerLevels; ++level) {
        names.push_back(PointerSpeed(level));
    }
    return names;
}

std::string SkinFileNames::InSkins(std::string_view name) {
    return std::string(kFolder) + std::string(name);
}

} // namespace corvalith
