#include "app/MainWindowPlan.h"

#include "app/HotSpotPlan.h"

#include <algorithm>

namespace corvalith {

namespace {

using Text = MainWindowPlan::Text;
using Font = MainWindowPlan::Font;
using Placement = MainWindowPlan::Placement;
using Names = SkinFileNames;

constexpr std::array<std::string_view, 4> kHeaderImages = {
    Names::kInSkins<Names::kItemBk>, Names::kInSkins<Names::kItemBk>, Names::kInSkins<Names::kItemBk>,
    Names::kInSkins<Names::kItemBk>};
constexpr std::array<std::string_view, 4> kViewImages = {
    Names::kInSkins<Names::kMouseNormal>, Names::kInSkins<Names::kMouseOver>,
    Names::kInSkins<Names::kMouseLeave>, Names::kInSkins<Names::kMouseNormal>};

// The lift-off scale's digits 1 to 6, from the header's left edge.
constexpr int kLiftOffScale[6] = {24, 55, 97, 136, 180, 218};

} // namespace

std::vector<MainWindowPlan::Image> MainWindowPlan::Images(const MainWindowLayout& layout,
                                                          const State& state) {
    std::vector<Image> images{{Names::InSkins(Names::kLogo), 20, 32},
                              {Names::InSkins(Names::kMainMid), 262, 2}};
    if (state.Shown == View::Top) {
        images.push_back({Names::InSkins(Names::kMouseFront), 395, 85});
    } else {
        images.push_back({Names::InSkins(Names::kMouseSide), 300, 226});
    }
    for (const HotSpotPlan::Image& spot : HotSpotPlan::For(
             static_cast<int>(state.Shown), state.SelectedSlot >= 0 ? state.SelectedSlot + 1 : 255)) {
        images.push_back({spot.Path, spot.X, spot.Y});
    }
    images.push_back({Names::InSkins(Names::kMainLeft), 20, 107});
    images.push_back({Names::InSkins(Names::kMLogo), 40, 525});
    if (!layout.IsCollapsed(MainWindowLayout::ButtonAssignment)) {
        images.push_back({Names::InSkins(Names::kButtonAssignment), 20, 127});
    }
    if (!layout.IsCollapsed(MainWindowLayout::AxisSensitivity)) {
        const Rect h = layout.Header(3);
        images.push_back({Names::InSkins(Names::kXYSensitivity), h.Left, h.Bottom});
    }
    if (!layout.IsCollapsed(MainWindowLayout::LiftOff)) {
        const Rect h = layout.Header(4);
        images.push_back({Names::InSkins(Names::kLiftOff), h.Left, h.Bottom});
        // The left mark stands for on, the right one for off; the chosen one is lit.
        const std::string lit = Names::InSkins(Names::kEnable);
        const std::string unlit = Names::InSkins(Names::kDisable);
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
        // Each line as tall as the font, around the middle of the art's row.
        out.push_back(
            {texts.Text(TextEntry::On), {l + 36, b + 12, r, b + 26}, Font::Main, Placement::CentredLine});
        out.push_back(
            {texts.Text(TextEntry::Off), {l + 176, b + 12, r, b + 26}, Font::Main, Placement::CentredLine});
        for (int k = 0; k < 6; ++k) {
            out.push_back({std::to_string(k + 1),
                           {l + kLiftOffScale[k], b + 52, r, b + 66},
                           Font::Main,
                           Placement::CentredLine});
        }
    }
    // The note is written from its point and may run up to the upload bar's end and down to its top.
    out.push_back({texts.Text(TextEntry::ColourNote),
                   {194, 612, MainWindowLayout::kUploadBar.Right, MainWindowLayout::kUploadBar.Top},
                   Font::Main,
                   Placement::FromPoint});
    return out;
}

const std::array<MainWindowPlan::Button, MainWindowPlan::kControls>& MainWindowPlan::Buttons() {
    static const std::array<Button, kControls> buttons = {{
        {Control::Reset,
         {923, 604, 980, 634},
         {Names::kInSkins<Names::kCancelNormal>, Names::kInSkins<Names::kCancelOver>,
          Names::kInSkins<Names::kCancelLeave>, Names::kInSkins<Names::kSaveLeave>},
         TextEntry::Reset,
         0,
         0},
        {Control::Close,
         {979, 5, 994, 20},
         {Names::kInSkins<Names::kCloseNormal>, Names::kInSkins<Names::kCloseOver>,
          Names::kInSkins<Names::kCloseNormal>, Names::kInSkins<Names::kCloseNormal>},
         std::nullopt,
         -1,
         0},
        {Control::Minimize,
         {958, 5, 973, 20},
         {Names::kInSkins<Names::kMinNormal>, Names::kInSkins<Names::kMinOver>,
          Names::kInSkins<Names::kMinNormal>, Names::kInSkins<Names::kMinNormal>},
         std::nullopt,
         -1,
         0},
        {Control::Help,
         {937, 5, 952, 20},
         {Names::kInSkins<Names::kHelpNormal>, Names::kInSkins<Names::kHelpOver>,
          Names::kInSkins<Names::kHelpNormal>, Names::kInSkins<Names::kHelpNormal>},
         std::nullopt,
         -1,
         0},
        {Control::Config,
         {18, 604, 158, 634},
         {Names::kInSkins<Names::kConfigNormal>, Names::kInSkins<Names::kConfigOver>,
          Names::kInSkins<Names::kConfigNormal>, Names::kInSkins<Names::kConfigNormal>},
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
         {Names::kInSkins<Names::kItemBkLod>, Names::kInSkins<Names::kItemBkLod>,
          Names::kInSkins<Names::kItemBkLod>, Names::kInSkins<Names::kItemBkLod>},
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
