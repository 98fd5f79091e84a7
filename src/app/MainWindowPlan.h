#pragma once

#include "app/MainWindowLayout.h"
#include "lang/LanguageTable.h"
#include "skin/SkinFileNames.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvalith {

// What the main window shows, for any state of it: the skin images it paints over its background, the
// texts it writes, and the image buttons it creates with their images and captions, all at client
// positions. The window paints from it and the skin gallery draws its picture of the window from it.
class MainWindowPlan {
public:
    static constexpr std::string_view kBackground = SkinFileNames::kInSkins<SkinFileNames::kMain>;
    static constexpr std::string_view kButtonPanel =
        SkinFileNames::kInSkins<SkinFileNames::kButtonAssignment>;
    static constexpr std::string_view kAxisPanel = SkinFileNames::kInSkins<SkinFileNames::kXYSensitivity>;
    static constexpr std::string_view kSliderTrack = SkinFileNames::kInSkins<SkinFileNames::kXYTrack>;
    static constexpr std::string_view kSliderFill = SkinFileNames::kInSkins<SkinFileNames::kXYTrackFilled>;
    // The part of the slider images the three sliders show.
    static constexpr Rect kSliderImage{0, 0, MainWindowLayout::kSliderWidth, 14};
    // The middle of the window: the mouse picture, its hot spots and the view buttons' surroundings.
    static constexpr Rect kMiddle{262, 2, 734, 500};

    enum class View { Top = 1, Side = 2 };

    struct Image {
        std::string Path; // relative to the program folder
        int X = 0;
        int Y = 0;
        friend bool operator==(const Image&, const Image&) = default;
    };

    enum class Font { Main, Label }; // the label font is the main one at the default weight
    enum class Placement {
        Line,        // one line from the box's top left
        CentredLine, // one line centred vertically in the box
        FromPoint,   // written from the box's top left, not clipped
    };
    struct Text {
        std::string Words;
        Rect Box;
        Font Face = Font::Main;
        Placement Place = Placement::Line;
        friend bool operator==(const Text&, const Text&) = default;
    };

    // The image buttons, in the order they are created.
    enum class Control {
        Reset,
        Close,
        Minimize,
        Help,
        Config,
        TopView,
        SideView,
        Header1,
        Header2,
        Header3,
        Header4,
    };
    static constexpr std::size_t kControls = 11;
    struct Button {
        Control Id;
        Rect Box; // where it is created; headers 2 to 4 move with the sections
        // The state images as the button takes them: normal, hover, pressed, disabled.
        std::array<std::string_view, 4> Images;
        std::optional<TextEntry> Caption;
        int Alignment = -1; // the image button's caption alignment; -1 leaves the button's own
        int Indent = 0;
    };
    static constexpr std::array<std::string_view, 4> kDropDownImages = {
        SkinFileNames::kInSkins<SkinFileNames::kDropdownNormal>,
        SkinFileNames::kInSkins<SkinFileNames::kDropdownOver>,
        SkinFileNames::kInSkins<SkinFileNames::kDropdownOver>,
        SkinFileNames::kInSkins<SkinFileNames::kDropdownNormal>};

    struct State {
        View Shown = View::Top;
        int SelectedSlot = -1; // -1: no row selected
        bool LiftOffOn = false;
    };

    // The images over the background, in painting order.
    static std::vector<Image> Images(const MainWindowLayout& layout, const State& state);
    // The texts, written after the images, in the language of the table.
    static std::vector<Text> Texts(const MainWindowLayout& layout, const LanguageTable& texts);
    // The image buttons as the window starts (every section collapsed).
    static const std::array<Button, kControls>& Buttons();
    // What a click on one of the image buttons does.
    enum class Action {
        Reset,
        HideToTray,
        Minimize,
        HelpMenu,
        ProfileManager,
        MacroManager,
        SelectView,
        Toggle
    };
    struct Click {
        Action Does = Action::Reset;
        bool ClearsSelection = false; // the selected row is let go first
        View Shows = View::Top;       // SelectView: the view
        MainWindowLayout::Section Section = MainWindowLayout::ButtonAssignment; // Toggle: the section
        friend bool operator==(const Click&, const Click&) = default;
    };
    // Every button but Reset, the view buttons and the lift-off header lets the selected row go first.
    static Click ClickOf(Control control);
    // Every skin file the window can draw in any state, each path once: the background and the images
    // of the window as it starts come first, then the buttons' and sliders' images, then the rest. The
    // program decodes them in this order while it waits in the tray.
    static std::vector<std::string> AllImagePaths();
};

} // namespace corvalith
