#include "controls/DialogHover.h"

namespace corvalith {

bool DialogHover::Move(Button over) {
    if (over != Button::None) {
        return false; // the look changes when the pointer rests
    }
    const bool wasLit = close_ || ok_ || cancel_ || new_ || delete_;
    close_ = ok_ = cancel_ = new_ = delete_ = false;
    return wasLit;
}

bool DialogHover::Rest(Button over) {
    const bool close = close_, ok = ok_, cancel = cancel_, created = new_, deleted = delete_;
    switch (over) {
    case Button::None:
        return Move(Button::None);
    case Button::Close:
        close_ = true;
        break;
    case Button::Ok:
        ok_ = true;
        cancel_ = false;
        break;
    case Button::Cancel:
        cancel_ = true;
        ok_ = false;
        break;
    case Button::New:
        new_ = true;
        delete_ = false;
        break;
    case Button::Delete:
        delete_ = true;
        new_ = false;
        break;
    }
    return close != close_ || ok != ok_ || cancel != cancel_ || created != new_ || deleted != delete_;
}

bool DialogHover::IsLit(Button button) const {
    switch (button) {
    case Button::Close:
        return close_;
    case Button::Ok:
        return ok_;
    case Button::Cancel:
        return cancel_;
    case Button::New:
        return new_;
    case Button::Delete:
        return delete_;
    case Button::None:
        break;
    }
    return false;
}

} // namespace corvalith
