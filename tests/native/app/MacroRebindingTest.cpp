#include "app/MacroRebinding.h"
#include "doubles/MemoryFileSystem.h"
#include "macro/MacroTableBuilder.h"
#include "profile/AssignmentKind.h"
#include "profile/ProfileFile.h"

#include <gtest/gtest.h>

#include <cstring>

namespace corvalith {
namespace {

using Names = std::vector<std::string>;
constexpr auto kMacro = static_cast<std::uint8_t>(AssignmentKind::Macro);
constexpr auto kClick = static_cast<std::uint8_t>(AssignmentKind::Click);

// A stored profile whose button slots play the given blocks (kind Macro) or click.
ProfileSettings Profile(std::initializer_list<std::pair<std::size_t, int>> buttons) {
    ProfileSettings profile{};
    profile.ReportRate = 4; // something besides the buttons, to see it kept
    for (const auto& [slot, block] : buttons) {
        profile.ButtonAssignmentKind[slot] = block < 0 ? kClick : kMacro;
        profile.ButtonMacroIndex[slot] = static_cast<std::uint8_t>(block < 0 ? 0 : block);
    }
    return profile;
}

// Four stored profiles; the manager deleted "Macro_1" (the list was Macro_1, Jump, Fire) and renamed "Fire"
// to "Blast". Profile 0 is loaded. Profile 1 plays Fire on slot 2 and Jump on slot 4; profile 2 only clicks
// under a caption that looks like a macro's; profile 3's record is cut short.
struct Folder {
    Folder() {
        files.PutText("/d/str.ini", "[Profile]\r\nItemCount=4\r\nItem0=A\r\nItem1=B\r\nItem2=C\r\nItem3=D\r\n"
                                    "CurProfileName=A\r\n");
        files.Put("/d/config1.bin", ProfileFile::Encode(Profile({{2, 2}, {4, 1}})));
        files.PutText("/d/str1.ini",
                      "[Setting-EN]\r\nItem3=Macro:Fire\r\nItem5=Macro:Jump\r\n[Setting-DE]\r\n"
                      "Item3=Makro:Fire\r\n");
        files.Put("/d/config2.bin", ProfileFile::Encode(Profile({{2, -1}})));
        files.PutText("/d/str2.ini", "[Setting-EN]\r\nItem3=Left:Fire\r\n");
        std::vector<std::uint8_t> cut = ProfileFile::Encode(Profile({{0, 2}}));
        cut.resize(100);
        files.Put("/d/config3.bin", cut);
        files.PutText("/d/str3.ini", "[Setting-EN]\r\nItem1=Macro:Fire\r\n");
    }
    std::string Text(const std::string& path) const {
        const auto bytes = files.Get(path);
        return std::string(bytes.begin(), bytes.end());
    }
    test::MemoryFileSystem files;
};

TEST(MacroRebinding, RenamesAndDeletesReachEveryStoredProfile) {
    Folder folder;
    const auto untouched2 = folder.files.Get("/d/config2.bin");
    const auto untouched3 = folder.files.Get("/d/config3.bin");
    ProfileSession session;
    session.LoadedProfileIndex = 0;
    session.Working = Profile({{0, 2}, {1, 1}});
    session.Captions[0] = "Makro:Fire";
    session.Captions[1] = "Makro:Jump";

    MacroRebinding rebinding(folder.files, "/d/", "Setting-EN");
    // The delete guard sees the macro buttons of the other profiles, and every caption of a cut record.
    EXPECT_EQ(rebinding.StoredLabels(session), (Names{"Macro:Fire", "Macro:Jump", "Macro:Fire"}));

    const MacroRebinding::Outcome outcome =
        rebinding.AfterManager(session, {{"Fire", "Blast"}}, {"Jump", "Blast"});
    EXPECT_TRUE(outcome.CaptionsChanged);
    EXPECT_TRUE(outcome.IndexesChanged);
    EXPECT_EQ(session.Captions[0], "Makro:Blast");
    EXPECT_EQ(session.Working.ButtonMacroIndex[0], 1);
    EXPECT_EQ(session.Working.ButtonMacroIndex[1], 0);

    // Profile 1: Blast is now block 1 and Jump block 0; only the caption's language section changes.
    EXPECT_EQ(folder.files.Get("/d/config1.bin"), ProfileFile::Encode(Profile({{2, 1}, {4, 0}})));
    EXPECT_EQ(
        folder.Text("/d/str1.ini"),
        "[Setting-EN]\r\nItem3=Macro:Blast\r\nItem5=Macro:Jump\r\n[Setting-DE]\r\nItem3=Makro:Fire\r\n");
    // Nothing changed in profile 2, and profile 3's record is not whole: neither is rewritten.
    EXPECT_EQ(folder.files.Get("/d/config2.bin"), untouched2);
    EXPECT_EQ(folder.Text("/d/str2.ini"), "[Setting-EN]\r\nItem3=Left:Fire\r\n");
    EXPECT_EQ(folder.files.Get("/d/config3.bin"), untouched3);
    EXPECT_EQ(folder.Text("/d/str3.ini"), "[Setting-EN]\r\nItem1=Macro:Fire\r\n");
    EXPECT_EQ(folder.files.written, (Names{"/d/str1.ini", "/d/config1.bin"}));

    // A second closing with nothing new writes nothing.
    folder.files.written.clear();
    const MacroRebinding::Outcome again = rebinding.AfterManager(session, {}, {"Jump", "Blast"});
    EXPECT_FALSE(again.CaptionsChanged);
    EXPECT_FALSE(again.IndexesChanged);
    EXPECT_TRUE(folder.files.written.empty());
}

// Loading a profile binds its buttons by the names in their captions, so a profile left behind by a change
// that stopped half-way plays the right macros again.
TEST(MacroRebinding, ALoadedProfileIsBoundByItsCaptions) {
    test::MemoryFileSystem files;
    files.PutText("/d/record.ini", "[MacroName]\r\nMacroCount=2\r\n0=Jump\r\n1=Game:Jump\r\n");
    ProfileSession session;
    session.Working = Profile({{3, 0}, {5, 7}});
    session.Captions[3] = "Macro:Game:Jump";
    session.Captions[5] = "Macro:Jump";
    MacroTableBuilder(files).RebindButtons("/d/record.ini", session);
    EXPECT_EQ(session.Working.ButtonMacroIndex[3], 1);
    EXPECT_EQ(session.Working.ButtonMacroIndex[5], 0);
}

} // namespace
} // namespace corvalith

namespace corvalith {
namespace {

// The manager's close leaves the working table in step with record.ini: OK takes the manager's copy; a
// Cancel after the list changed (a delete already written) builds it from the file, so that a button
// given the last macro afterwards plays it; a Cancel that changed nothing keeps it. Only OK or a moved
// button sends the buttons and macros.
TEST(MacroRebinding, TheClosedManagerLeavesTheTableInStepWithTheFile) {
    struct Case {
        const char* name;
        bool ok;
        Names before;
        enum { Kept, FromFile, Copy } table;
        bool upload;
    };
    const Case cases[] = {
        {"OK", true, {"A", "C"}, Case::Copy, true},
        {"Cancel after B was deleted", false, {"A", "B", "C"}, Case::FromFile, false},
        {"Cancel with nothing changed", false, {"A", "C"}, Case::Kept, false},
    };
    for (const Case& c : cases) {
        test::MemoryFileSystem files;
        MacroFile file(files, "/d/record.ini");
        files.PutText("/d/record.ini", "");
        ASSERT_TRUE(file.WriteList({"A", "C"}));
        ASSERT_TRUE(file.WriteMacro({"A", "1", 0, {"A   Dn", "A   Up"}}));
        ASSERT_TRUE(file.WriteMacro({"C", "1", 0, {"C   Dn", "C   Up"}}));
        ProfileSession session;
        session.Working = Profile({{0, 0}}); // plays A, which stays block 0
        session.Captions[0] = "Macro:A";
        std::memset(session.Working.MacroBlockTable, 0xEE, sizeof session.Working.MacroBlockTable);
        std::vector<std::uint8_t> copy(sizeof session.Working.MacroBlockTable, 0x11);

        const bool upload =
            MacroRebinding(files, "/d/", "Setting-EN").Close(session, c.ok, {}, c.before, file, copy);

        std::vector<std::uint8_t> expected(sizeof session.Working.MacroBlockTable, 0xEE);
        if (c.table == Case::Copy) {
            expected = copy;
        } else if (c.table == Case::FromFile) {
            MacroTableBuilder::Build(file, 0x32, MacroTableBuilder::Table(expected.data(), expected.size()));
            EXPECT_NE(expected[130], 0xEE) << c.name; // block 1 now holds C
        }
        const std::uint8_t* table = &session.Working.MacroBlockTable[0][0];
        EXPECT_EQ(std::vector<std::uint8_t>(table, table + expected.size()), expected) << c.name;
        EXPECT_EQ(upload, c.upload) << c.name;
    }
}

} // namespace
} // namespace corvalith
