#include "controls/CMenuItemList.h"

namespace corvalith {

void CMenuItemList::Append(std::uintptr_t id, std::string text, int firstFlag, int secondFlag) {
    entries_.push_back(Entry{std::move(text), id, firstFlag, secondFlag});
}

const CMenuItemList::Entry* CMenuItemList::Find(std::uintptr_t id) const {
    for (const Entry& entry : entries_) {
        if (entry.id == id) {
            return &entry;
        }
    }
    return nullptr;
}

std::string_view CMenuItemList::TextOf(std::uintptr_t id) const {
    const Entry* entry = Find(id);
    return entry != nullptr ? std::string_view(entry->text) : kMissingText;
}

} // namespace corvalith
