#pragma once

#include "platform/Rect.h"

namespace corvalith {

// How an image button looks in a given state: which of its four images it shows, which caption colour
// it uses and where the caption goes.
class ImageButtonLook {
public:
    enum class Image { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };
    enum class TextColour { Normal = 0, Hover = 1, Disabled = 2, Pressed = 3 };
    enum class Alignment { Centre, Left, Right, RightUnclipped };

    struct State {
        bool disabled = false;
        bool checked = false; // the owner's latched look
        bool pressed = false; // the mouse button is held down on it
        bool hover = false;
    };

    // Disabled wins over everything; a checked button looks pressed wherever the pointer is.
    static Image ChooseImage(const State& state);

    // The hover colour while hovering, else disabled, else pressed (also when checked), else normal.
    static TextColour ChooseTextColour(const State& state);

    // 0 centred, 1 left, 2 right, anything else right-aligned without clipping.
    static Alignment AlignmentOf(int alignment);

    // The caption's rectangle inside the client rectangle: the left edge moves right by 5 pixels, and
    // by the indent as well when the caption is left-aligned and the indent is positive.
    static Rect CaptionBox(const Rect& client, int alignment, int indent);
};

} // namespace corvalith
