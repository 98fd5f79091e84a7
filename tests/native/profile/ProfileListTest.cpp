#include "profile/ProfileList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvalith {
namespace {

using Names = std::vector<std::string>;

ProfileList ListOf(const Names& names, int selected) {
    ProfileList list(names);
    list.Select(selected);
    return list;
}

TEST(ProfileList, NewNamesFollowTheLastEntryAndNeverRepeatAName) {
    struct Case {
        Names names;
        const char* prefix;
        const char* expected;
    };
    const Case cases[] = {
        {{"Profile 1", "Profile 2", "Profile 3"}, "Profile", "Profile 4"},
        {{"Gaming"}, "Profile", "Profile 1"},             // no space: "Profile" and the count
        {{"Profile 1", "Work"}, "Profile", "Profile 2"},  // no space, count 2
        {{"Profil 1", "Profil 7"}, "Profil", "Profil 8"}, // the language's prefix
        {{"Office Setup"}, "Profile", "Profile 1"},       // no number after the space reads as 0
        // The number after the first space of "Copy Profile 2" reads as 0: "Profile 1" and "Profile 2"
        // are taken, so the next free number is used.
        {{"Profile 1", "Profile 2", "Copy Profile 2"}, "Profile", "Profile 3"},
        {{"Profile 2", "profile 3", "Profile 1"}, "Profile", "Profile 4"}, // compared without case
        {{"Work", "Profile 2"}, "Profile", "Profile 3"},
        {{"Profile 3", "Profile 1", "X"}, "Profile", "Profile 4"}, // "Profile 3" (the count) is taken
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProfileList::NewName(c.names, c.prefix), c.expected) << c.names.back();
    }
}

TEST(ProfileList, NewAndCopyAddEntriesUpToSix) {
    ProfileList list;
    ASSERT_EQ(list.AddNew("Profile"), ProfileList::AddResult::Added);
    // The first entry of an empty list takes over the profile kept without a list.
    EXPECT_EQ(list.Entries()[0].Name, "Profile 1");
    EXPECT_EQ(list.Entries()[0].Files, 0);
    EXPECT_FALSE(list.Entries()[0].NewEntry);
    EXPECT_EQ(list.Selected(), 0);

    ASSERT_EQ(list.AddNew("Profile"), ProfileList::AddResult::Added);
    EXPECT_EQ(list.Entries()[1].Name, "Profile 2");
    EXPECT_EQ(list.Entries()[1].Files, ProfileList::kNoFiles);
    EXPECT_TRUE(list.Entries()[1].NewEntry);
    EXPECT_EQ(list.Selected(), 1);

    // Copy names the selected entry and keeps the selection; only the name is copied.
    ASSERT_EQ(list.AddCopy("Copy"), ProfileList::AddResult::Added);
    EXPECT_EQ(list.Entries()[2].Name, "Copy Profile 2");
    EXPECT_FALSE(list.Entries()[2].NewEntry);
    EXPECT_EQ(list.Selected(), 1);
    ASSERT_EQ(list.AddCopy("Copy"), ProfileList::AddResult::Added);
    EXPECT_EQ(list.Entries()[3].Name, "Copy Profile 2 (2)");

    ASSERT_EQ(list.AddNew("Profile"), ProfileList::AddResult::Added); // after "Copy Profile 2 (2)"
    EXPECT_EQ(list.Entries()[4].Name, "Profile 3");
    ASSERT_EQ(list.AddNew("Profile"), ProfileList::AddResult::Added);
    EXPECT_EQ(list.Entries()[5].Name, "Profile 4");

    EXPECT_EQ(list.AddNew("Profile"), ProfileList::AddResult::LimitReached);
    EXPECT_EQ(list.AddCopy("Copy"), ProfileList::AddResult::LimitReached);
    EXPECT_EQ(list.Count(), 6u);
}

TEST(ProfileList, DeleteKeepsAtLeastOneEntryAndSelectsTheNextOne) {
    struct Case {
        Names names;
        int selected;
        bool removed;
        Names after;
        int selectedAfter;
        std::vector<int> filesAfter;
    };
    const Case cases[] = {
        {{"A", "B", "C", "D"}, 1, true, {"A", "C", "D"}, 1, {0, 2, 3}},
        {{"A", "B", "C"}, 2, true, {"A", "B"}, 1, {0, 1}}, // the last: the new last is selected
        {{"A", "B"}, 0, true, {"B"}, 0, {1}},
        {{"A"}, 0, false, {"A"}, 0, {0}},                // the last entry stays
        {{"A", "B"}, -1, false, {"A", "B"}, -1, {0, 1}}, // nothing selected
    };
    for (const Case& c : cases) {
        ProfileList list = ListOf(c.names, c.selected);
        EXPECT_EQ(list.DeleteSelected(), c.removed);
        EXPECT_EQ(list.Names(), c.after);
        EXPECT_EQ(list.Selected(), c.selectedAfter);
        std::vector<int> files;
        for (const auto& entry : list.Entries()) {
            files.push_back(entry.Files);
        }
        EXPECT_EQ(files, c.filesAfter);
    }
}

TEST(ProfileList, CurrentNameMatchesExactlyBeforeAnyPrefix) {
    struct Case {
        Names names;
        const char* current;
        int expected; // -1: not found
    };
    const Case cases[] = {
        {{"Profile 10", "Profile 1"}, "Profile 1", 1},
        {{"Profile 10", "Profile 1"}, "profile 1", 1},
        {{"Profile 10", "Profile 2"}, "Profile 1", 0}, // no exact match: the first prefix match
        {{"Work", "Game"}, "game", 1},
        {{"Work", "Game"}, "Office", -1},
        {{"Work", "Game"}, "", -1},
        {{"Same", "Same"}, "Same", 0}, // the first of two equal names
    };
    for (const Case& c : cases) {
        const auto found = ProfileList::FindCurrent(c.names, c.current);
        EXPECT_EQ(found ? static_cast<int>(*found) : -1, c.expected) << c.current;
    }
}

} // namespace
} // namespace corvalith
