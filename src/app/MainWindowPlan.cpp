#include "app/MainWindowPlan.h"

#include "app/HotSpotPlan.h"

#include <algorithm>

namespace corvalith {

namespace {

using Text = MainWindowPlan::Text;
using Font = MainWindowPlan::Font;
using Placement = MainWindowPlan::Placement;

constexpr std::array<std::string_view, 4> kHeaderImages = {"\\skins\\ItemBK.png", "\\skins\\ItemBK.png",
                                                           "\\skins\\ItemBK.png", "\\skins\\ItemBK.png"};
constexpr std::array<std::string_view, 4> kViewImages = {
    "\\skins\\button-mouse-normal.png", "\\skins\\button-mouse-over.png", "\\skins\\button-mouse-leave.png",
    "\\skins\\button-mouse-normal.png"};

// The lift-off scale's digits 1 to 6, from the header's left edge.
constexpr int kLiftOffScale[6] = {24, 55, 97, 136, 180, 218};

} // namespace

std::vector<MainWindowPlan::Image> MainWindowPlan::Images(const MainWindowLayout& layout,
                                                          const State& state) {
    std::vector<Image> images{{"Skins\\Logo.png", 20, 32}, {"Skins\\BK_MainMid.png", 262, 2}};
    if (state.Shown == View::Top) {
        images.push_back({"Skins\\Mouse\\Front\\MouseFront.png", 395, 85});
    } else {
        images.push_back({"Skins\\Mouse\\Side\\MouseSide.png", 300, 226});
    }
    for (const HotSpotPlan::Image& spot : HotSpotPlan::For(
             static_cast<int>(state.Shown), state.SelectedSlot >= 0 ? state.SelectedSlot + 1 : 255)) {
        images.push_back({spot.Path, spot.X, spot.Y});
    }
    images.push_back({"/Skins/BK_MainLeft.png", 20, 107});
    images.push_back({"Skins\\MLogo.png", 40, 525});
    if (!layout.IsCollapsed(MainWindowLayout::ButtonAssignment)) {
        images.push_back({"/Skins/ButtonAssignment/BK_ButtonAssignment.png", 20, 127});
    }
    if (!layout.IsCollapsed(MainWindowLayout::AxisSensitivity)) {
        const Rect h = layout.Header(3);
        images.push_back({"/Skins/XYSensitivity/BK_XYSensSetting.png", h.Left, h.Bottom});
    }
    if (!layout.IsCollapsed(MainWindowLayout::LiftOff)) {
        const Rect h = layout.Header(4);
        images.push_back({"/Skins/SilentHeihgt/sh-bk.png", h.Left, h.Bottom});
        // The left mark stands for on, the right one for off; the chosen one is lit.
        const char* const lit = "Skins\\Enable.png";
        const char* const unlit = "Skins\\Disable.png";
        images.push_back({state.LiftOffOn ? lit : unlit, h.Left + 20, h.Bottom + 14});
        images.push_back({state.LiftOffOn ? unlit : lit, h.Left + 158, h.Bottom + 14});
    }
    return images;
}

std::vector<MainWindowPlan::Text> MainWindowPlan::Texts(const MainWindowLayout& layout,
                                                        const LanguageTable& texts) {
    std::vector<Text> out;
    if (!layout.IsCollapsed(MainWindowLayout::ButtonAssignment)) {
        for (int k = 0; k < MainWindowLayout::kSlots; ++k) {
            out.push_back(
                {texts.Entry(static_cast<std::size_t>(TextEntry::Button1) + static_cast<std::size_t>(k)),
                 {31, 156 + 20 * k, 115, 170 + 20 * k},
                 Font::Main,
                 Placement::Line});
        }
    }
    if (!layout.IsCollapsed(MainWindowLayout::AxisSensitivity)) {
        const Rect h = layout.Header(3);
        const int l = h.Left, r = h.Right, b = h.Bottom;
        out.push_back(
            {texts.Text(TextEntry::XAxis), {l + 17, b + 5, r, b + 25}, Font::Label, Placement::CentredLine});
        out.push_back(
            {texts.Text(TextEntry::YAxis), {l + 17, b + 65, r, b + 85}, Font::Label, Placement::CentredLine});
        for (int k = 1; k <= 10; ++k) {
            const int x = l + 24 + 21 * (k - 1);
            out.push_back({std::to_string(k), {x, b + 37, r, b + 57}, Font::Label, Placement::CentredLine});
            out.push_back({std::to_string(k), {x, b + 97, r, b + 117}, Font::Label, Placement::CentredLine});
        }
    }
    if (!layout.IsCollapsed(MainWindowLayout::LiftOff)) {
        const Rect h = layout.Header(4);
        const int l = h.Left, r = h.Right, b = h.Bottom;
        out.push_back(
            {texts.Text(TextEntry::On), {l + 36, b + 14, r, b + 25}, Font::Main, Placement::CentredLine});
        out.push_back(
            {texts.Text(TextEntry::Off), {l + 176, b + 14, r, b + 25}, Font::Main, Placement::CentredLine});
        for (int k = 0; k < 6; ++k) {
            out.push_back({std::to_string(k + 1),
                           {l + kLiftOffScale[k], b + 54, r, b + 65},
                           Font::Main,
                           Placement::CentredLine});
        }
    }
    out.push_back(
        {texts.Text(TextEntry::ColourNote), {194, 612, 194, 612}, Font::Main, Placement::FromPoint});
    return out;
}

const std::array<MainWindowPlan::Button, MainWindowPlan::kControls>& MainWindowPlan::Buttons() {
    static const std::array<Button, kControls> buttons = {{
        {Control::Reset,
         {923, 604, 980, 634},
         {"\\skins\\button-cancel-normal.png", "\\skins\\button-cancel-over.png",
          "\\skins\\button-cancel-leave.png", "\\skins\\button-save-leave.png"},
         TextEntry::Reset,
         0,
         0},
        {Control::Close,
         {979, 5, 994, 20},
         {"\\skins\\button-close-normal.png", "\\skins\\button-close-over.png",
          "\\skins\\button-close-normal.png", "\\skins\\button-close-normal.png"},
         std::nullopt,
         -1,
         0},
        {Control::Minimize,
         {958, 5, 973, 20},
         {"\\skins\\button-min-normal.png", "\\skins\\button-min-over.png", "\\skins\\button-min-normal.png",
          "\\skins\\button-min-normal.png"},
         std::nullopt,
         -1,
         0},
        {Control::Help,
         {937, 5, 952, 20},
         {"\\skins\\button-help-normal.png", "\\skins\\button-help-over.png",
          "\\skins\\button-help-normal.png", "\\skins\\button-help-normal.png"},
         std::nullopt,
         -1,
         0},
        {Control::Config,
         {18, 604, 158, 634},
         {"\\skins\\button-config-normal.png", "\\skins\\button-config-over.png",
          "\\skins\\button-config-normal.png", "\\skins\\button-config-normal.png"},
         TextEntry::Config,
         1,
         20},
        {Control::TopView, {435, 527, 497, 556}, kViewImages, TextEntry::TopView, 0, 0},
        {Control::SideView, {505, 527, 567, 556}, kViewImages, TextEntry::SideView, 0, 0},
        {Control::Header1, {20, 107, 262, 127}, kHeaderImages, TextEntry::ButtonAssignment, -1, 0},
        {Control::Header2, {20, 132, 262, 152}, kHeaderImages, TextEntry::MacroManager, -1, 0},
        {Control::Header3, {20, 157, 262, 177}, kHeaderImages, TextEntry::AxisSensitivity, -1, 0},
        {Control::Header4,
         {20, 182, 262, 202},
         {"\\skins\\ItemBK-LOD.png", "\\skins\\ItemBK-LOD.png", "\\skins\\ItemBK-LOD.png",
          "\\skins\\ItemBK-LOD.png"},
         TextEntry::LiftOffDistance,
         -1,
         0},
    }};
    return buttons;
}

std::vector<std::string> MainWindowPlan::AllImagePaths() {
    std::vector<std::string> paths;
    const auto add = [&paths](std::string_view path) {
        if (!path.empty() && std::find(paths.begin(), paths.end(), path) == paths.end()) {
            paths.emplace_back(path);
        }
    };
    add(kBackground);
    // The panels' heights move images, never choose them.
    MainWindowLayout layout(0, 0);
    for (const Image& image : Images(layout, State{})) {
        add(image.Path);
    }
    for (const Button& button : Buttons()) {
        for (std::string_view path : button.Images) {
            add(path);
        }
    }
    for (std::string_view path : kDropDownImages) {
        add(path);
    }
    add(kSliderTrack);
    add(kSliderFill);
    const MainWindowLayout::Section sections[] = {
        MainWindowLayout::ButtonAssignment, MainWindowLayout::AxisSensitivity, MainWindowLayout::LiftOff};
    for (const MainWindowLayout::Section section : sections) {
        layout.Toggle(section, false);
    }
    for (const View view : {View::Top, View::Side}) {
        for (int slot = -1; slot < MainWindowLayout::kSlots; ++slot) {
            for (const bool liftOff : {false, true}) {
                for (const Image& image : Images(layout, State{view, slot, liftOff})) {
                    add(image.Path);
                }
            }
        }
    }
    return paths;
}

MainWindowPlan::Click MainWindowPlan::ClickOf(Control control) {
    switch (control) {
    case Control::Reset:
        return {Action::Reset};
    case Control::Close:
        return {Action::HideToTray, true};
    case Control::Minimize:
        return {Action::Minimize, true};
    case Control::Help:
        return {Action::HelpMenu, true};
    case Control::Config:
        return {Action::ProfileManager, true};
    case Control::Header2:
        return {Action::MacroManager, true};
    case Control::TopView:
        return {Action::SelectView, false, View::Top};
    case Control::SideView:
        return {Action::SelectView, false, View::Side};
    case Control::Header1:
        return {Action::Toggle, true, View::Top, MainWindowLayout::ButtonAssignment};
    case Control::Header3:
        return {Action::Toggle, true, View::Top, MainWindowLayout::AxisSensitivity};
    case Control::Header4:
        return {Action::Toggle, false, View::Top, MainWindowLayout::LiftOff};
    }
    return {Action::Reset};
}

} // namespace corvalith
