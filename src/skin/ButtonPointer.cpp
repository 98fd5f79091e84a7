#include "skin/ButtonPointer.h"

#include <algorithm>
#include <utility>

namespace corvalith {

int ButtonPointer::HitTest(std::span<const Target> targets, int x, int y) {
    for (std::size_t i = targets.size(); i-- > 0;) {
        const Target& t = targets[i];
        if (t.Active && t.Area.Contains(x, y)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

ButtonPointer::Outcome ButtonPointer::Become(int hovered, int held) {
    // A button's pointer look: hovered, and pressed (held while hovered).
    const auto look = [](int index, int hoveredIndex, int heldIndex) {
        return std::pair{index == hoveredIndex, index == hoveredIndex && index == heldIndex};
    };
    Outcome outcome;
    for (const int index : {hovered_, held_, hovered, held}) {
        if (index < 0 ||
            std::find(outcome.Changed.begin(), outcome.Changed.end(), index) != outcome.Changed.end()) {
            continue;
        }
        if (look(index, hovered_, held_) != look(index, hovered, held)) {
            outcome.Changed.push_back(index);
        }
    }
    hovered_ = hovered;
    held_ = held;
    return outcome;
}

ButtonPointer::Outcome ButtonPointer::Move(std::span<const Target> targets, int x, int y, bool leftHeld) {
    const int over = HitTest(targets, x, y);
    if (held_ >= 0) {
        return Become(over == held_ ? held_ : -1, held_);
    }
    if (leftHeld && over != hovered_) {
        return Become(-1, -1);
    }
    return Become(over, -1);
}

ButtonPointer::Outcome ButtonPointer::Press(std::span<const Target> targets, int x, int y) {
    const int over = HitTest(targets, x, y);
    if (over < 0) {
        return {};
    }
    Outcome outcome = Become(over, over);
    outcome.TakeCapture = true;
    return outcome;
}

ButtonPointer::Outcome ButtonPointer::Release(std::span<const Target> targets, int x, int y) {
    if (held_ < 0) {
        return {};
    }
    const int over = HitTest(targets, x, y);
    const int clicked = over == held_ ? held_ : -1;
    Outcome outcome = Become(over, -1);
    outcome.Clicked = clicked;
    outcome.ReleaseCapture = true;
    return outcome;
}

ButtonPointer::Outcome ButtonPointer::Leave() {
    return Become(-1, held_);
}

ButtonPointer::Outcome ButtonPointer::Lose() {
    return Become(-1, -1);
}

ImageButtonLook::State ButtonPointer::LookOf(int index, bool checked, bool enabled) const {
    ImageButtonLook::State state;
    state.disabled = !enabled;
    state.checked = checked;
    state.hover = index >= 0 && index == hovered_;
    state.pressed = index >= 0 && index == held_ && index == hovered_;
    return state;
}

} // namespace corvalith
