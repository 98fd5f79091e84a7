#include "macro/LBEditorRules.h"
#include "doubles/MemoryFileSystem.h"
#include "ini/IniFile.h"
#include "macro/MacroFile.h"
#include "profile/ProfileList.h"
#include "support/Repeated.h"

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

// A name of 1000 UTF-16 units is kept whole by record.ini (list and section), by str.ini's profile list and
// by a caption in a profile's text file, in every language's script; one unit more is refused by the editor
// and by Copy, and the old name stays.
TEST(LBEditorRules, NamesLongerThanTheFilesKeepAreRefusedAndTheLongestRoundTrip) {
    struct Case {
        const char* what;
        std::string longest; // exactly 1000 UTF-16 units
        std::string tooLong; // 1001 units
        const char* section; // the caption's language section
        const char* entry;   // the macro entry's text of that language
    };
    const Case cases[] = {
        {"ASCII", test::Repeated("M", 1000), test::Repeated("M", 1001), "Setting-EN", "Macro"},
        {"umlauts", test::Repeated("Ü", 1000), test::Repeated("ä", 1001), "Setting-DE", "Makro"},
        {"simplified", test::Repeated("宏", 1000), test::Repeated("宏", 1000) + "1", "Setting-CHS", "宏"},
        {"traditional, with pairs", test::Repeated("巨集", 498) + test::Repeated("𠀀", 2),
         test::Repeated("𠀀", 500) + "a", "Setting-CHT", "巨集"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> items{"Macro_1", "old"};
        for (Kind kind : {Kind::MacroName, Kind::ProfileName}) {
            EXPECT_EQ(LBEditorRules::Apply(kind, items, 1, c.longest), c.longest) << c.what;
            EXPECT_EQ(LBEditorRules::Apply(kind, items, 1, c.tooLong), std::nullopt) << c.what;
        }

        test::MemoryFileSystem memory;
        MacroFile macros(memory, "/d/record.ini");
        ASSERT_TRUE(macros.WriteLoopCount(c.longest, 2));
        ASSERT_TRUE(macros.WriteList({"Macro_1", c.longest}));
        ASSERT_TRUE(macros.WriteMacro(Macro{c.longest, "2", 0, {"A   Dn", "A   Up"}}));
        const MacroFile reread(memory, "/d/record.ini");
        ASSERT_EQ(reread.ReadList(), (std::vector<std::string>{"Macro_1", c.longest})) << c.what;
        EXPECT_EQ(reread.ReadMacro(reread.ReadList()[1]).Items,
                  (std::vector<std::string>{"A   Dn", "A   Up"}))
            << c.what;

        ini::IniFile list(memory, "/d/str.ini");
        ASSERT_EQ(list.WriteString("Profile", "Item0", c.longest), 0);
        ASSERT_EQ(list.WriteString("Profile", "CurProfileName", c.longest), 0);
        ini::IniFile captions(memory, "/d/str0.ini");
        const std::string caption = std::string(c.entry) + ":" + c.longest;
        ASSERT_EQ(captions.WriteString(c.section, "Item1", caption), 0);
        EXPECT_EQ(list.ReadString("Profile", "Item0"), c.longest) << c.what;
        EXPECT_EQ(list.ReadString("Profile", "CurProfileName"), c.longest) << c.what;
        EXPECT_EQ(captions.ReadString(c.section, "Item1"), caption) << c.what;
    }
    // "Copy " and a name of 995 units make 1000; of 996, the copy is refused.
    ProfileList profiles(std::vector<std::string>{test::Repeated("P", 995), test::Repeated("Q", 996)});
    profiles.Select(0);
    EXPECT_EQ(profiles.AddCopy("Copy"), ProfileList::AddResult::Added);
    profiles.Select(1);
    EXPECT_EQ(profiles.AddCopy("Copy"), ProfileList::AddResult::NameTooLong);
    EXPECT_EQ(profiles.Names(), (std::vector<std::string>{test::Repeated("P", 995), test::Repeated("Q", 996),
                                                          "Copy " + test::Repeated("P", 995)}));
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
