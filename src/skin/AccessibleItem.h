#pragma once

#include "platform/Rect.h"

#include <optional>
#include <span>
#include <string>

namespace corvalith {

// What a screen reader is told about one control a window draws itself (an image button, a section
// header, a drop-down box): it has no window of its own, so the window describes it. A window lists its
// items in reading order; the list is built from the same plan the window paints from.
struct AccessibleItem {
    enum class Role {
        PushButton,    // a click does one thing
        DropDown,      // a box that opens a list of choices; its value is the choice it shows
        SectionHeader, // a click opens or closes the section under it
    };
    // Where a screen reader moves from an item (or, for First and Last, from the window).
    enum class Step { Next, Previous, First, Last };

    std::string Name; // the caption, in the window's language
    Role Kind = Role::PushButton;
    std::string Value;              // a drop-down box's choice; empty otherwise
    Rect Area;                      // client coordinates
    unsigned Command = 0;           // the command id a click on it sends its window
    bool Pressed = false;           // the latched look: the view shown
    std::optional<bool> Expanded{}; // headers and drop-down boxes: the section or the list is open
    friend bool operator==(const AccessibleItem&, const AccessibleItem&) = default;

    // The index of the item holding a client point, -1 for none.
    static int HitTest(std::span<const AccessibleItem> items, int x, int y);
    // The index a step leads to from the item at `from` (-1: the window itself), -1 when there is none.
    static int Navigate(std::size_t count, int from, Step step);
};

} // namespace corvalith
