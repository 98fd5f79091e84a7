#include "app/MainWindowLayout.h"

namespace corvalith {

namespace {

constexpr int kHeaderLeft = 20;
constexpr int kHeaderWidth = 242;
constexpr int kHeaderHeight = 20;

Rect HeaderAt(int top) {
    return {kHeaderLeft, top, kHeaderLeft + kHeaderWidth, top + kHeaderHeight};
}

Rect SliderAt(int left, int top) {
    return {left, top, left + MainWindowLayout::kSliderWidth, top + MainWindowLayout::kSliderHeight};
}

} // namespace

MainWindowLayout::MainWindowLayout(int buttonPanelHeight, int axisPanelHeight)
    : buttonPanelHeight_(buttonPanelHeight),
      axisPanelHeight_(axisPanelHeight), headers_{HeaderAt(107), HeaderAt(132), HeaderAt(157),
                                                  HeaderAt(182)} {
    PlaceSliders();
}

Rect MainWindowLayout::Header(int number) const {
    return number >= 1 && number <= 4 ? headers_[static_cast<std::size_t>(number - 1)] : Rect{};
}

void MainWindowLayout::Toggle(Section section, bool collapse) {
    collapsed_[section - 1] = collapse;
    if (section == ButtonAssignment) {
        const int shift = collapse ? 0 : buttonPanelHeight_;
        headers_[1] = HeaderAt(132 + shift);
        headers_[2] = HeaderAt(157 + shift);
    }
    PlaceSliders();
}

void MainWindowLayout::PlaceSliders() {
    const int header3Bottom = headers_[2].Bottom;
    xSlider_ = SliderAt(37, header3Bottom + 25);
    ySlider_ = SliderAt(37, header3Bottom + 85);
    const int axisShift = IsCollapsed(AxisSensitivity) ? 0 : axisPanelHeight_;
    headers_[3] = HeaderAt(header3Bottom + axisShift + 5);
    liftOffSlider_ = SliderAt(headers_[3].Left + 17, headers_[3].Bottom + 41);
}

Rect MainWindowLayout::DropDown(int slot) {
    static constexpr int kTop[kSlots] = {154, 174, 194, 234, 214, 254, 274};
    if (slot < 0 || slot >= kSlots) {
        return {};
    }
    return {120, kTop[slot], 250, kTop[slot] + 16};
}

int MainWindowLayout::SlotOfRow(int row) {
    static constexpr int kSlot[kSlots] = {0, 1, 2, 4, 3, 5, 6};
    return row >= 1 && row <= kSlots ? kSlot[row - 1] : -1;
}

int MainWindowLayout::RowOfSlot(int slot) {
    for (int row = 1; row <= kSlots; ++row) {
        if (SlotOfRow(row) == slot) {
            return row;
        }
    }
    return -1;
}

Rect MainWindowLayout::LiftOffOnZone() const {
    const Rect h = headers_[3];
    return {h.Left + 20, h.Bottom + 14, h.Left + 31, h.Bottom + 65};
}

Rect MainWindowLayout::LiftOffOffZone() const {
    const Rect h = headers_[3];
    return {h.Left + 158, h.Bottom + 14, h.Left + 169, h.Bottom + 65};
}

MainWindowLayout::SwitchPress MainWindowLayout::SwitchAt(int x, int y) const {
    if (IsCollapsed(LiftOff)) {
        return SwitchPress::None;
    }
    if (LiftOffOnZone().Contains(x, y)) {
        return SwitchPress::On;
    }
    return LiftOffOffZone().Contains(x, y) ? SwitchPress::Off : SwitchPress::None;
}

Rect MainWindowLayout::HelpZone(Rect header4OnScreen) {
    return {header4OnScreen.Left + 200, header4OnScreen.Top, header4OnScreen.Right - 23,
            header4OnScreen.Bottom};
}

} // namespace corvalith
