#include "macro/MacroEventMenu.h"

namespace corvalith {

std::array<MacroEventMenu::Entry, 5> MacroEventMenu::Entries(const MacroManagerLayout::Texts& texts) {
    return {{{kDeleteEvent, texts.Delete},
             {kInsertLeft, texts.InsertLeft},
             {kInsertMiddle, texts.InsertMiddle},
             {kInsertRight, texts.InsertRight},
             {kInsertDelay, texts.InsertDelay}}};
}

bool MacroEventMenu::IsCommand(unsigned id) {
    switch (id) {
    case kDeleteEvent:
    case kInsertLeft:
    case kInsertMiddle:
    case kInsertRight:
    case kInsertDelay:
        return true;
    default:
        return false;
    }
}

MacroList::Events MacroEventMenu::Run(unsigned command, std::vector<std::string> items, int selection) {
    using Button = MacroList::MouseButton;
    switch (command) {
    case kDeleteEvent:
        return MacroList::DeleteEvent(std::move(items), selection);
    case kInsertLeft:
        return MacroList::InsertButton(std::move(items), selection, Button::Left);
    case kInsertMiddle:
        return MacroList::InsertButton(std::move(items), selection, Button::Middle);
    case kInsertRight:
        return MacroList::InsertButton(std::move(items), selection, Button::Right);
    case kInsertDelay:
        return MacroList::InsertDelay(std::move(items), selection);
    default:
        return MacroList::Events{std::move(items), selection, false};
    }
}

} // namespace corvalith
