#pragma once

#include "platform/Rect.h"

#include <array>
#include <cstdint>

namespace corvalith {

// The left panel of the main window: where the four section headers, the seven drop-down boxes and
// the three sliders sit as the button-assignment, axis-sensitivity and lift-off sections open and
// close, the lift-off switch zones and the row-to-slot mapping. Client coordinates throughout.
class MainWindowLayout {
public:
    enum Section { ButtonAssignment = 1, AxisSensitivity = 2, LiftOff = 3 };
    // What a press on the window does to the lift-off switch.
    enum class SwitchPress { None, On, Off };

    static constexpr int kSlots = 7;
    // The window's size when its background image cannot be loaded: every control still fits, so the
    // window can be seen and used (the size the skin's background has).
    static constexpr int kFallbackWidth = 1000;
    static constexpr int kFallbackHeight = 645;
    static constexpr int kSliderWidth = 208;
    static constexpr int kSliderHeight = 9;
    // Areas repainted after a section toggle.
    static constexpr Rect kPanelRepaint{20, 107, 262, 707};
    static constexpr Rect kPanelRepaintAxis{20, 107, 262, 727};
    // The upload progress bar: three pixels under the colour note in the bottom bar, from the note's left
    // edge to 20 pixels before the Reset button.
    static constexpr Rect kUploadBar{194, 629, 903, 632};

    // The heights of the button-assignment and axis-sensitivity panel images.
    MainWindowLayout(int buttonPanelHeight, int axisPanelHeight);

    // Opens (collapse = false) or closes a section and moves what lies below it.
    void Toggle(Section section, bool collapse);
    bool IsCollapsed(Section section) const { return collapsed_[section - 1]; }

    // Headers 1 to 4.
    Rect Header(int number) const;
    Rect XSlider() const { return xSlider_; }
    Rect YSlider() const { return ySlider_; }
    Rect LiftOffSlider() const { return liftOffSlider_; }

    // Drop-down box of a button slot; the rows show slots 0, 1, 2, 4, 3, 5, 6.
    static Rect DropDown(int slot);
    static int SlotOfRow(int row); // row 1..7
    static int RowOfSlot(int slot);

    // The lift-off switch zones below header 4.
    Rect LiftOffOnZone() const;
    Rect LiftOffOffZone() const;
    // A press at a client point: the zones switch lift-off only while their section is open, since a
    // collapsed section shows no switch there.
    SwitchPress SwitchAt(int x, int y) const;

    // The lift-off help area: header 4's screen rectangle with its left edge 200 pixels further right
    // and its right edge 23 pixels further left.
    static Rect HelpZone(Rect header4OnScreen);

private:
    void PlaceSliders();

    int buttonPanelHeight_;
    int axisPanelHeight_;
    std::array<bool, 3> collapsed_{true, true, true};
    std::array<Rect, 4> headers_;
    Rect xSlider_;
    Rect ySlider_;
    Rect liftOffSlider_;
};

} // namespace corvalith
