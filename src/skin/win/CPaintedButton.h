#pragma once

#include "skin/ImageButtonLook.h"
#include "skin/win/ImageButtonFace.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace corvalith {

class CPaintedButtons;
class SkinImages;

// An image button without a window of its own: its parent draws it in its own paint and passes it the
// pointer through the parent's CPaintedButtons, which clicks it with a WM_COMMAND (BN_CLICKED) of its
// command id. A window full of image buttons then paints as one window. Shown, placed and checked like a
// child button; each change marks the button's area of the parent for its next paint.
class CPaintedButton {
public:
    CPaintedButton() = default;
    CPaintedButton(const CPaintedButton&) = delete;
    CPaintedButton& operator=(const CPaintedButton&) = delete;

    ImageButtonFace& Face() { return face_; }
    const ImageButtonFace& Face() const { return face_; }
    void SetCaption(const std::wstring& caption) { face_.SetCaption(caption); }
    const std::wstring& GetCaption() const { return face_.Caption(); }

    UINT CommandId() const { return commandId_; }
    // The area in the parent's client coordinates.
    const RECT& Rect() const { return rect_; }
    void Move(const RECT& rect);
    bool IsShown() const { return shown_; }
    void Show(bool shown);
    bool IsChecked() const { return checked_; }
    // The latched look the owner shows (the selected view, the selected row); the owner marks it.
    void SetChecked(bool checked) { checked_ = checked; }
    bool IsHover() const;
    // Marks the button's area of the parent for the next paint.
    void Invalidate() const;

private:
    friend class CPaintedButtons;

    CPaintedButtons* owner_ = nullptr;
    int index_ = -1;
    UINT commandId_ = 0;
    ImageButtonFace face_;
    RECT rect_{};
    bool shown_ = true;
    bool checked_ = false;
};

} // namespace corvalith
