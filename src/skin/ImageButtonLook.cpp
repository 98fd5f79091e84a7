#include "skin/ImageButtonLook.h"

namespace corvalith {

namespace {

constexpr int kCaptionMargin = 5;

} // namespace

ImageButtonLook::Image ImageButtonLook::ChooseImage(const State& state) {
    if (state.disabled) {
        return Image::Disabled;
    }
    if (state.checked || state.pressed) {
        return Image::Pressed;
    }
    return state.hover ? Image::Hover : Image::Normal;
}

ImageButtonLook::TextColour ImageButtonLook::ChooseTextColour(const State& state) {
    if (state.hover) {
        return TextColour::Hover;
    }
    if (state.disabled) {
        return TextColour::Disabled;
    }
    if (state.pressed || state.checked) {
        return TextColour::Pressed;
    }
    return TextColour::Normal;
}

ImageButtonLook::Alignment ImageButtonLook::AlignmentOf(int alignment) {
    switch (alignment) {
    case 0:
        return Alignment::Centre;
    case 1:
        return Alignment::Left;
    case 2:
        return Alignment::Right;
    default:
        return Alignment::RightUnclipped;
    }
}

Rect ImageButtonLook::CaptionBox(const Rect& client, int alignment, int indent) {
    Rect box = client;
    box.Left += kCaptionMargin;
    if (alignment == 1 && indent > 0) {
        box.Left += indent;
    }
    return box;
}

} // namespace corvalith
