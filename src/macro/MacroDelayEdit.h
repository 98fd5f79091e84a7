#pragma once

#include <string_view>

namespace corvalith {

// When a click on the macro manager's event list opens the in-place delay editor: a delay item ("50 ms")
// is first remembered, and a second click on the same item opens the editor. The remembered item is kept
// between openings of the manager and starts at the first item.
class MacroDelayEdit {
public:
    // `item` is the text of the clicked item `selected` (-1: none).
    bool Opens(int selected, std::string_view item);

private:
    int remembered_ = 0;
};

} // namespace corvalith
