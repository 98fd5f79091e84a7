#include "macro/LBEditorRules.h"

#include <gtest/gtest.h>

#include <optional>

namespace corvalith {
namespace {

using Kind = LBEditorRules::Kind;

TEST(LBEditorRules, NamesAreRefusedWhenEmptyTakenInAnyCaseOrNotStorable) {
    const std::vector<std::string> items{"Macro_1", "Macro_2", "Fire"};
    struct Case {
        std::size_t index;
        const char* typed;
        std::optional<std::string> result;
    };
    const Case cases[] = {
        {1, "Jump", "Jump"},
        {1, "Macro_2", "Macro_2"}, // its own text
        {1, "MACRO_2", "MACRO_2"}, // its own name in another case
        {1, "  Jump\t", "Jump"},
        {1, "", std::nullopt},
        {1, "   ", std::nullopt},
        {1, "Macro_1", std::nullopt},
        {1, "macro_1", std::nullopt},
        {1, "FIRE", std::nullopt},
        {1, " fire ", std::nullopt},
        {1, "Fire!", "Fire!"},
        {1, "Grün", "Grün"},
        {1, "a]b", std::nullopt},
        {1, "MacroName", std::nullopt}, // the list's own section
        {1, "macroname", std::nullopt},
        {1, "\"quoted\"", std::nullopt},
        {1, "two\nlines", std::nullopt},
        {1, "bad\xff", std::nullopt},
        {7, "Macro_1", std::nullopt}, // an index past the list still compares with every item
    };
    for (const Case& c : cases) {
        for (Kind kind : {Kind::MacroName, Kind::ProfileName}) {
            EXPECT_EQ(LBEditorRules::Apply(kind, items, c.index, c.typed), c.result) << c.typed;
        }
    }
}

TEST(LBEditorRules, DelaysAreHeldWithinTheDeviceRange) {
    const std::vector<std::string> items{"A   Dn", "50 ms", "A   Up"};
    struct Case {
        const char* typed;
        const char* result;
    };
    const Case cases[] = {
        {"120", "120 ms"},
        {"70000", "65535 ms"},
        {"65535", "65535 ms"},
        {"65536", "65535 ms"},
        {"", "0 ms"},
        {"0", "0 ms"},
        {"007", "7 ms"},
        {"-5", "0 ms"},
        {"12ab", "12 ms"},
        {"abc", "0 ms"},
        {"99999999999999999999", "65535 ms"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LBEditorRules::Apply(Kind::Delay, items, 1, c.typed), std::optional<std::string>(c.result))
            << c.typed;
    }
}

} // namespace
} // namespace corvalith
