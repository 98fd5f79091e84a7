#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvalith {

// What the in-place list editor does with the text typed over a list item when the edit is committed.
// Names (profile and macro names) and delays ("50 ms") have their own rules; both give the item's new
// text, or nothing when the item keeps its old text.
class LBEditorRules {
public:
    LBEditorRules() = delete;

    // Which list the editor works on; the numbers are the kinds the editor's users have always set.
    enum class Kind : std::uint8_t { ProfileName = 1, Delay = 2, MacroName = 3 };

    static constexpr long long kMaxDelay = 65535;

    // The item's new text for `text` typed over item `index` of `items` (UTF-8).
    static std::optional<std::string> Apply(Kind kind, const std::vector<std::string>& items,
                                            std::size_t index, std::string_view text);

    // A name is taken, trimmed of surrounding blanks, when it is not empty, can be stored as a section
    // name, is no longer than the files keep a name (IniFile::kMaxNameUnits), and no other item has it when
    // compared the way section names are (ASCII case and surrounding blanks ignored). Renaming an item to its
    // own text is accepted.
    static std::optional<std::string> Name(const std::vector<std::string>& items, std::size_t index,
                                           std::string_view text);

    // A delay is the text read as a decimal integer, held within 0..65535, as "%d ms". Empty text is 0 ms.
    static std::string Delay(std::string_view text);

    // Two names that would share one section of a profile-string file.
    static bool SameName(std::string_view a, std::string_view b);
};

} // namespace corvalith
