#include "macro/MacroChoice.h"

namespace corvalith {

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Lower(text[i]) != Lower(prefix[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

int MacroChoice::Preselect(const std::vector<std::string>& names, std::string_view current) {
    if (current.empty()) {
        return -1; // a button without a macro: nothing is selected
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i].size() == current.size() && StartsWithNoCase(names[i], current)) {
            return static_cast<int>(i);
        }
    }
    // The list box's own search: from the item after the first, round to the first.
    for (std::size_t step = 1; step <= names.size(); ++step) {
        const std::size_t i = step % names.size();
        if (StartsWithNoCase(names[i], current)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool MacroChoice::ChooseItem(const std::vector<std::string>& names, std::size_t position) {
    if (position >= names.size()) {
        return false;
    }
    chosen_ = names[position];
    index_ = static_cast<int>(position);
    mode_ = 0;
    changed_ = true;
    return true;
}

bool MacroChoice::ChooseMode(std::uint8_t mode) {
    if (mode >= kRunModes) {
        return false;
    }
    mode_ = mode;
    changed_ = true;
    return true;
}

std::optional<MacroChoice::Result> MacroChoice::Choice() const {
    if (!changed_ || index_ < 0) {
        return std::nullopt;
    }
    return Result{index_, mode_, chosen_};
}

} // namespace corvalith
