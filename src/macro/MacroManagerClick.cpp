#include "macro/MacroManagerClick.h"

namespace corvalith {

MacroManagerClick::Plan MacroManagerClick::For(MacroManagerLayout::Target target) {
    using Target = MacroManagerLayout::Target;
    switch (target) {
    case Target::Ok:
        return {true, true, Action::Accept}; // OK also builds the block table from the saved file
    case Target::Cancel:
    case Target::Close:
        return {true, false, Action::Cancel};
    case Target::New:
        return {true, true, Action::NewMacro};
    case Target::Delete:
        return {true, false, Action::DeleteMacro};
    case Target::DelayCheck:
        return {false, false, Action::ToggleDelay}; // the flag may change while recording
    case Target::LoopCheck:
        return {true, false, Action::ToggleLoop};
    case Target::None:
        break;
    }
    return {false, false, Action::Drag};
}

} // namespace corvalith
