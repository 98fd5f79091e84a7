#pragma once

#include "skin/ImageButtonLook.h"

#include <span>
#include <vector>

namespace corvalith {

// The pointer over a window's image buttons that the window draws itself: which button is hovered and
// which is held down, and what a move, a press, a release or the pointer leaving the window changes.
// Hover follows the pointer, except that a move with the left button held (a press that began elsewhere)
// hovers nothing new. A held button shows pressed only while the pointer is over it, and a release over
// the button it began on clicks it.
class ButtonPointer {
public:
    struct Target {
        Rect Area;
        bool Active = true; // shown and enabled: only these are hovered, pressed and clicked
    };
    struct Outcome {
        std::vector<int> Changed; // the buttons whose look changed, each once
        int Clicked = -1;
        bool TakeCapture = false;    // a press began: the window holds the mouse until the release
        bool ReleaseCapture = false; // the press ended
    };

    // The last active target holding the point (targets later in the list lie on top), -1 for none.
    static int HitTest(std::span<const Target> targets, int x, int y);

    Outcome Move(std::span<const Target> targets, int x, int y, bool leftHeld);
    // A left-button press: taken only over an active target.
    Outcome Press(std::span<const Target> targets, int x, int y);
    Outcome Release(std::span<const Target> targets, int x, int y);
    // The pointer left the window: nothing is hovered. A held button stays held.
    Outcome Leave();
    // The window lost the mouse to another: nothing is hovered or held.
    Outcome Lose();

    int Hovered() const { return hovered_; }
    int Held() const { return held_; }
    // The look of a button in the owner's checked and enabled state.
    ImageButtonLook::State LookOf(int index, bool checked, bool enabled) const;

private:
    Outcome Become(int hovered, int held);

    int hovered_ = -1;
    int held_ = -1;
};

} // namespace corvalith
