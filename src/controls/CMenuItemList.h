#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvalith {

// The items appended to one owner-drawn menu, in order: the text each item shows and the id the menu
// reports for it (the command id, or for an item that opens a submenu the submenu's handle as the
// menu reports it). The owner-draw handler finds an item's text here by that id.
class CMenuItemList {
public:
    struct Entry {
        std::string text; // UTF-8
        std::uintptr_t id = 0;
        // Carried with every entry; the program always passes -1 and 0.
        int firstFlag = -1;
        int secondFlag = 0;
        bool marked = false; // drawn with a check mark: the option it names is on
    };

    // The text shown for an id that no entry has.
    static constexpr std::string_view kMissingText = "0";

    void Append(std::uintptr_t id, std::string text, int firstFlag = -1, int secondFlag = 0);
    // Marks the last entry appended.
    void MarkLast() { entries_.back().marked = true; }

    // The first entry with this id, or null.
    const Entry* Find(std::uintptr_t id) const;
    // The text of the first entry with this id; "0" when no entry has it.
    std::string_view TextOf(std::uintptr_t id) const;

    std::size_t Size() const { return entries_.size(); }
    bool Empty() const { return entries_.empty(); }
    const std::vector<Entry>& Entries() const { return entries_; }
    void Clear() { entries_.clear(); }

private:
    std::vector<Entry> entries_;
};

} // namespace corvalith
