#pragma once

#include <optional>
#include <string_view>

namespace corvalith {

// Decimal integers in text: the counts, flags and loop counts the program writes into its files, the
// delays of macro items ("50 ms"), the numbers that end profile and macro names ("Profile 3",
// "Macro_2") and the digits a user types. One set of rules for all of them:
// - only ASCII digits count, leading zeros included ("007" is 7);
// - a value beyond kLimit is held at kLimit (and a negative one at -kLimit), so no text can overflow and
//   a caller may still add to it;
// - `Parse` takes the whole text or nothing; `ParseLeading` reads the number a text starts with and is
//   for the texts that carry one in front of other text.
class TextNumber {
public:
    TextNumber() = delete;

    static constexpr long long kLimit = 1'000'000'000'000LL;

    // The whole text as a number: one or more digits and nothing else (no blanks, no sign). Anything
    // else, the empty text included, is no number.
    static std::optional<long long> Parse(std::string_view text);

    // The number at the start of the text: white space (blank, tab, line breaks, vertical tab, form
    // feed), an optional sign, then digits up to the first other character. No digits read as 0.
    static long long ParseLeading(std::string_view text);
};

} // namespace corvalith
