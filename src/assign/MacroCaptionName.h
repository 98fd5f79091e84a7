#pragma once

#include <string>
#include <string_view>

namespace corvalith {

// The macro name in the caption of a button that plays a macro: the `Macro` entry's text, ":" and the name.
// The entry texts of every language hold no ":", so the name is everything after the first ":" and may
// itself contain ":" ("Macro:Game:Jump" plays "Game:Jump").
class MacroCaptionName {
public:
    MacroCaptionName() = delete;

    // The text after the first ":"; the whole caption when it has none.
    static std::string_view Of(std::string_view caption);
    // The caption with its macro name replaced: the text up to the first ":" kept, then `name`; a caption
    // without ":" becomes `name`.
    static std::string Replaced(std::string_view caption, std::string_view name);
};

} // namespace corvalith
