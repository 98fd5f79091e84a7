#pragma once

#include "controls/DialogHover.h"

#include <windows.h>

namespace corvalith {

// The window side of a skinned dialog's drawn-button hover: a move off every button puts the looks back
// at once; over a button the look waits until the pointer rests there for the hover time (the system's
// hover notification). The dialog repaints whenever a look changed.
class DialogHoverTracker {
public:
    explicit DialogHoverTracker(DWORD hoverTime) : hoverTime_(hoverTime) {}

    // A mouse move over the dialog; over: the drawn button under the pointer.
    void Moved(HWND dialog, DialogHover::Button over);
    // The hover notification; over: the drawn button under the pointer.
    void Rested(HWND dialog, DialogHover::Button over);
    // Every look back to normal, without a repaint.
    void Reset() { hover_ = DialogHover(); }

    bool IsLit(DialogHover::Button button) const { return hover_.IsLit(button); }
    const DialogHover& Hover() const { return hover_; }

private:
    DialogHover hover_;
    DWORD hoverTime_;
};

} // namespace corvalith
