#include "profile/ProgramRules.h"
#include "doubles/MemoryFileSystem.h"
#include "profile/ProgramRulesStore.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

using Rule = ProgramRules::Rule;

TEST(ProgramRules, TheProgramInFrontFindsItsProfileWithoutCaseOrElseTheFallback) {
    ProgramRules rules;
    rules.Add("Doom", "C:\\Games\\Doom\\doom.exe");
    rules.Add("Work", "D:/Apps/Editor.EXE");
    rules.Add("Work", "C:\\Tools\\term.exe");
    rules.Add("Doom", "c:\\tools\\TERM.exe"); // a program belongs to one profile: the later rule holds
    struct Case {
        const char* program;
        std::optional<std::string> fallback;
        std::optional<std::string> profile;
    };
    const Case cases[] = {
        {"C:\\GAMES\\DOOM\\DOOM.EXE", std::nullopt, "Doom"},
        {"C:/Games/Doom/doom.exe", std::nullopt, "Doom"},
        {"d:\\apps\\editor.exe", std::nullopt, "Work"},
        {"C:\\Tools\\term.exe", std::nullopt, "Doom"},
        {"C:\\Games\\Doom\\doom.exe.bak", std::nullopt, std::nullopt},
        {"C:\\Games\\Doom\\doom.exe.bak", "Desk", "Desk"},
        {"", "Desk", "Desk"},
    };
    for (const Case& c : cases) {
        rules.SetFallback(c.fallback);
        EXPECT_EQ(rules.ProfileFor(c.program), c.profile) << c.program;
    }
    EXPECT_EQ(rules.ProgramsOf("Work"), (std::vector<std::string>{"D:/Apps/Editor.EXE"}));
    EXPECT_FALSE(rules.Add("Work", "")) << "no program";
}

TEST(ProgramRules, RulesFollowTheProfileManagersRenamesDeletesAndMoves) {
    const std::vector<std::string> before = {"A", "B", "C", "D"};
    ProgramRules rules;
    rules.Add("A", "a.exe");
    rules.Add("B", "b.exe");
    rules.Add("C", "c.exe");
    rules.Add("D", "d.exe");
    rules.SetFallback("C");

    ProfileList list(before);
    list.Select(1);
    ASSERT_TRUE(list.DeleteSelected()); // B goes; C and D move up
    list.Rename(1, " C: ]再");          // C, now at position 1, renamed
    list.Select(2);
    list.AddCopy("Copy"); // a copy takes the name only
    rules.FollowList(before, list);
    EXPECT_EQ(rules.Rules(), (std::vector<Rule>{{"a.exe", "A"}, {"c.exe", " C: ]再"}, {"d.exe", "D"}}));
    EXPECT_EQ(rules.Fallback(), " C: ]再");

    ProfileList again(list.Names());
    again.Select(1);
    ASSERT_TRUE(again.DeleteSelected());
    rules.FollowList(list.Names(), again);
    EXPECT_EQ(rules.Fallback(), std::nullopt) << "the profile to return to was deleted";
    EXPECT_EQ(rules.Rules().size(), 2u);
}

TEST(ProgramRulesStore, KeepsOddNamesAndReadsDamagedFilesSafely) {
    test::MemoryFileSystem files;
    ProgramRulesStore store(files, "/data/");
    EXPECT_EQ(store.Read(), ProgramRules()) << "no file: no rules, switching on";

    std::string longName;
    while (longName.size() < 3 * 999) {
        longName += "再"; // 999 UTF-16 units
    }
    longName += "]";
    ProgramRules rules;
    rules.Add(longName, "C:\\Program Files\\Spiel: ]\\spiel.exe");
    rules.Add(" leading and trailing ", "C:\\x.exe");
    rules.SetFallback("\"quoted\"");
    rules.SetEnabled(false);
    ASSERT_EQ(store.Write(rules), 0);
    const std::vector<std::uint8_t> bytes = files.Get("/data/programs.ini");
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE) << "UTF-16 like the program's other text files";
    EXPECT_EQ(store.Read(), rules);

    struct Case {
        const char* text;
        std::size_t rules;
    };
    const Case damaged[] = {
        {"[Programs]\r\nCount=999999999\r\nProgram0=a.exe\r\nProfile0=A\r\n", 1},
        {"[Programs]\r\nCount=-3\r\nProgram0=a.exe\r\nProfile0=A\r\n", 0},
        {"[Programs]\r\nCount=2\r\nProgram0=a.exe\r\nProfile1=B\r\n", 0},
        {"\xff\xfe\x00garbage", 0},
    };
    for (const Case& c : damaged) {
        files.PutText("/data/programs.ini", c.text);
        EXPECT_EQ(store.Read().Rules().size(), c.rules) << c.text;
    }
}

} // namespace
} // namespace corvalith
