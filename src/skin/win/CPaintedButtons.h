#pragma once

#include "skin/ButtonPointer.h"

#include <windows.h>

#include <vector>

namespace corvalith {

class CPaintedButton;

// The image buttons a window draws itself (CPaintedButton): the window draws them at the end of its
// paint and passes its mouse messages here first. A hover change repaints only the buttons it changed;
// a press holds the mouse until the release, and a release over the pressed button sends the window a
// WM_COMMAND with the button's command id and BN_CLICKED (no control handle).
class CPaintedButtons {
public:
    explicit CPaintedButtons(HWND parent = nullptr) : parent_(parent) {}
    CPaintedButtons(const CPaintedButtons&) = delete;
    CPaintedButtons& operator=(const CPaintedButtons&) = delete;

    void SetParent(HWND parent) { parent_ = parent; }
    // Adds a button on top of those added before; the button must outlive the set.
    void Add(CPaintedButton& button, const RECT& rect, UINT commandId);

    // Draws the shown buttons the area touches onto dc, the parent's paint surface.
    void Draw(HDC dc, const RECT& area);

    // The parent's mouse messages; each returns true when it concerned a button (a press on one, a
    // release of one held), and the parent then does nothing else with it.
    void OnMouseMove(UINT flags, POINT point);
    bool OnLButtonDown(POINT point);
    bool OnLButtonUp(POINT point);
    void OnMouseLeave();
    void OnCaptureChanged(HWND newCapture);

    int Hovered() const { return pointer_.Hovered(); }
    ImageButtonLook::State StateOf(const CPaintedButton& button) const;
    void Invalidate(const RECT& rect) const;

private:
    std::vector<ButtonPointer::Target> Targets() const;
    void Apply(const ButtonPointer::Outcome& outcome);

    HWND parent_;
    std::vector<CPaintedButton*> buttons_;
    ButtonPointer pointer_;
    bool tracking_ = false;
};

} // namespace corvalith
