#pragma once

namespace corvalith {

// The hover looks of a small dialog's three drawn buttons (close, OK, Cancel). The pointer resting on a
// button lights it (OK and Cancel never both); moving off the buttons puts every look back.
class DialogHover {
public:
    enum class Button { None, Close, Ok, Cancel };

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
};

} // namespace corvalith
