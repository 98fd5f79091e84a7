#pragma once

#include "macro/MacroManagerLayout.h"

namespace corvalith {

// What a left click on the macro manager's client area does: whether a running recording stops first,
// whether the selected macro is saved first, and the action itself. A click on no control drags the window.
class MacroManagerClick {
public:
    MacroManagerClick() = delete;

    enum class Action { Drag, Accept, Cancel, NewMacro, DeleteMacro, ToggleDelay, ToggleLoop };
    struct Plan {
        bool StopsRecording;
        bool SavesFirst;
        Action Do;
    };

    static Plan For(MacroManagerLayout::Target target);
};

} // namespace corvalith
