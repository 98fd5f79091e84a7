#pragma once

namespace corvalith {

// The hover looks of a small dialog's drawn buttons (close, OK, Cancel, and the macro manager's New and
// Delete). The pointer resting on a button lights it (OK and Cancel never both, nor New and Delete);
// moving off the buttons puts every look back.
class DialogHover {
public:
    enum class Button { None, Close, Ok, Cancel, New, Delete };

    // The pointer moved onto `over` (None: off every button). True when a look changed and the dialog
    // repaints.
    bool Move(Button over);
    // The hover notification for `over`; true when a look changed.
    bool Rest(Button over);

    bool IsLit(Button button) const;

private:
    bool close_ = false;
    bool ok_ = false;
    bool cancel_ = false;
    bool new_ = false;
    bool delete_ = false;
};

} // namespace corvalith
