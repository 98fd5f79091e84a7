#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvalith {

// The macro assignment dialog's state: the macro a button plays and its run mode, the list of macros
// the drop-down offers, and what OK hands back.
class MacroChoice {
public:
    static constexpr std::uint8_t kRunModes = 3;

    struct Result {
        int Index = -1;
        std::uint8_t Mode = 0;
        std::string Name;
    };

    MacroChoice() = default;
    // The button's macro: its name, its position in the macro list and its run mode.
    MacroChoice(std::string currentName, int index, std::uint8_t mode)
        : current_(std::move(currentName)), chosen_(current_), index_(index), mode_(mode) {}

    const std::string& ChosenName() const { return chosen_; }
    int Index() const { return index_; }
    std::uint8_t Mode() const { return mode_; }

    // The item the opened drop-down selects for the current name: the first name equal to it, compared
    // without case; when none is, the first item from the second on (wrapping round) that begins with it.
    // Searching prefixes only would select "Macro_10" for a button that plays "Macro_1". -1 for none.
    static int Preselect(const std::vector<std::string>& names, std::string_view current);

    // The user chose item `position` of the list: it becomes the macro, and the run mode starts again at
    // 0. False (nothing changes) for a position outside the list.
    bool ChooseItem(const std::vector<std::string>& names, std::size_t position);
    // A click on a run-mode mark; modes above 2 are refused.
    bool ChooseMode(std::uint8_t mode);

    // What OK gives the button: the macro and mode after the user chose either; nothing when OK comes
    // without a choice or without a macro.
    std::optional<Result> Choice() const;

private:
    std::string current_;
    std::string chosen_;
    int index_ = -1;
    std::uint8_t mode_ = 0;
    bool changed_ = false;
};

} // namespace corvalith
