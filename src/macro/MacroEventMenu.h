#pragma once

#include "macro/MacroList.h"
#include "macro/MacroManagerLayout.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace corvalith {

// The event list's context menu in the macro manager: its commands, their texts and what each does to the
// event list.
class MacroEventMenu {
public:
    MacroEventMenu() = delete;

    enum Command : unsigned {
        kDeleteEvent = 32771,
        kInsertLeft = 32772,
        kInsertMiddle = 32773,
        kInsertRight = 32774,
        kInsertDelay = 32786,
    };
    struct Entry {
        Command Id;
        std::string_view Text;
    };

    // The menu's items, top to bottom, in the language of `texts`.
    static std::array<Entry, 5> Entries(const MacroManagerLayout::Texts& texts);
    static bool IsCommand(unsigned id);
    // The event list after `command` on `items` with `selection` (-1: none); unchanged for any other id.
    static MacroList::Events Run(unsigned command, std::vector<std::string> items, int selection);
};

} // namespace corvalith
