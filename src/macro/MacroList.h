#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvalith {

// The macro manager's rules for its two lists: the macro names (New, Delete, the loop count) and the
// events of the selected macro (the context menu's delete and insert commands).
class MacroList {
public:
    MacroList() = delete;

    static constexpr std::size_t kMaxMacros = 12;
    static constexpr long kMaxLoopCount = 65535;

    // The name New gives, or nothing when the list is full. The number follows the last macro's ("Macro_3"
    // after "Macro_2"), or the count when the last name has no "_"; it goes up until no macro has the name,
    // compared the way section names are, so that two macros never share a section.
    static std::optional<std::string> NewName(const std::vector<std::string>& names, std::string_view base);

    // A macro may be deleted unless a button plays it: its name is what follows the first ":" of one of the
    // button labels (the labels of the buttons of every stored profile).
    static bool MayDelete(std::string_view name, const std::vector<std::string>& buttonLabels);

    // The loop count of the loop-count box's text: 1 to 65535, else nothing (the box then shows "1").
    static std::optional<long> LoopCount(std::string_view text);
    // The loop check box is ticked on selecting a macro that loops more than once.
    static bool Loops(std::string_view loopCountText);
    // The delay-recording check box on selecting a macro: ticked for a stored 1, cleared for 0, else as it
    // was.
    static bool DelayRecording(int stored, bool current);
    // The macro selected after deleting item `deleted`, `count` macros staying: the one that took its place,
    // else the new last one (-1: none).
    static int SelectionAfterDelete(int deleted, int count);
    // The button labels after renaming macro `from` to `to`: the labels that play it name the new name.
    static std::vector<std::string> RenamedLabels(std::vector<std::string> labels, std::string_view from,
                                                  std::string_view to);

    // An event list after a context-menu command. Selection -1 is none.
    struct Events {
        std::vector<std::string> Items;
        int Selection = -1;
        bool Changed = false; // false: the command did nothing
    };
    enum class MouseButton { Left, Middle, Right };

    static Events DeleteEvent(std::vector<std::string> items, int selection);
    // The button's down and up items after the selected item (the selection moves to the new down item after
    // a delay, else to the up item); into an empty list without selection at 0 and 1.
    static Events InsertButton(std::vector<std::string> items, int selection, MouseButton button);
    // "50 ms" before the selected item, which stays selected, unless it would sit next to a delay or
    // first in the list.
    static Events InsertDelay(std::vector<std::string> items, int selection);
};

} // namespace corvalith
