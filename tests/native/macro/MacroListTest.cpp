#include "macro/MacroList.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

using Names = std::vector<std::string>;

TEST(MacroList, NewNamesFollowTheLastMacroAndAreNeverTaken) {
    struct Case {
        Names names;
        const char* base;
        std::optional<std::string> name;
    };
    const Case cases[] = {
        {{}, "Macro", "Macro_1"},
        {{}, "Makro", "Makro_1"},
        {{"Macro_1", "Macro_2"}, "Macro", "Macro_3"},
        {{"Macro_1", "Macro_3"}, "Macro", "Macro_4"},
        {{"Macro_7"}, "Makro", "Makro_8"},
        {{"Jump"}, "Macro", "Macro_2"},
        {{"Fire_x"}, "Macro", "Macro_1"}, // no number after "_" reads as 0
        // the last macro renamed without "_": the count would repeat an existing name
        {{"Macro_1", "Macro_3", "Jump"}, "Macro", "Macro_4"},
        {{"Macro_1", "Macro_2", "Jump"}, "Macro", "Macro_4"},
        // names that share a section with the candidate in another case or with blanks
        {{"macro_2", "Jump"}, "Macro", "Macro_3"},
        {{"Macro_2", " MACRO_3 ", "Macro_2"}, "Macro", "Macro_4"},
        {{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K"}, "Macro", "Macro_12"},
        {{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L"}, "Macro", std::nullopt},
        {{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M"}, "Macro", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MacroList::NewName(c.names, c.base), c.name) << (c.names.empty() ? "" : c.names.back());
    }
}

TEST(MacroList, AMacroThatAButtonPlaysCannotBeDeleted) {
    const Names labels{"Left Click", "Macro:Macro_2", "Makro:Fire:Jump", "DPI Loop",
                       "",           "Macro",         "Scroll Up"};
    struct Case {
        const char* name;
        bool mayDelete;
    };
    const Case cases[] = {
        {"Macro_1", true},    {"Macro_2", false}, {"MACRO_2", false}, {"Jump", true},
        {"Fire:Jump", false}, {"Fire", true},     {"Macro", false},   {"Left Click", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MacroList::MayDelete(c.name, labels), c.mayDelete) << c.name;
    }
}

TEST(MacroList, LoopCountsRunFromOneTo65535) {
    struct Case {
        const char* text;
        std::optional<long> count;
    };
    const Case cases[] = {
        {"1", 1},
        {"65535", 65535},
        {"007", 7},
        {"0", std::nullopt},
        {"", std::nullopt},
        {"65536", std::nullopt},
        {"-3", std::nullopt},
        {"12a", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MacroList::LoopCount(c.text), c.count) << c.text;
    }
}

TEST(MacroList, ContextMenuCommandsEditTheEvents) {
    using Button = MacroList::MouseButton;
    const Names keys{"A   Dn", "50 ms", "A   Up"};
    struct Case {
        const char* what;
        MacroList::Events result;
        MacroList::Events expected;
    };
    const Case cases[] = {
        {"delete", MacroList::DeleteEvent(keys, 1), {{"A   Dn", "A   Up"}, -1, true}},
        {"delete, none selected", MacroList::DeleteEvent(keys, -1), {keys, -1, false}},
        {"delete, past the end", MacroList::DeleteEvent(keys, 3), {keys, 3, false}},
        {"left after a key",
         MacroList::InsertButton(keys, 0, Button::Left),
         {{"A   Dn", "L-Button   Dn", "L-Button   Up", "50 ms", "A   Up"}, 2, true}},
        {"middle after a delay",
         MacroList::InsertButton(keys, 1, Button::Middle),
         {{"A   Dn", "50 ms", "M-Button   Dn", "M-Button   Up", "A   Up"}, 2, true}},
        {"right after the last",
         MacroList::InsertButton(keys, 2, Button::Right),
         {{"A   Dn", "50 ms", "A   Up", "R-Button   Dn", "R-Button   Up"}, 4, true}},
        {"right into an empty list",
         MacroList::InsertButton({}, -1, Button::Right),
         {{"R-Button   Dn", "R-Button   Up"}, -1, true}},
        {"left without a selection", MacroList::InsertButton(keys, -1, Button::Left), {keys, -1, false}},
        {"delay between keys",
         MacroList::InsertDelay({"A   Dn", "A   Up", "B   Dn"}, 1),
         {{"A   Dn", "50 ms", "A   Up", "B   Dn"}, 2, true}},
        {"delay on the first item",
         MacroList::InsertDelay({"A   Dn", "A   Up"}, 0),
         {{"A   Dn", "A   Up"}, 0, false}},
        {"delay after a delay", MacroList::InsertDelay(keys, 2), {keys, 2, false}},
        {"delay on a delay", MacroList::InsertDelay(keys, 1), {keys, 1, false}},
        {"delay, none selected", MacroList::InsertDelay(keys, -1), {keys, -1, false}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result.Items, c.expected.Items) << c.what;
        EXPECT_EQ(c.result.Selection, c.expected.Selection) << c.what;
        EXPECT_EQ(c.result.Changed, c.expected.Changed) << c.what;
    }
}

TEST(MacroList, SelectingAMacroSetsTheCheckBoxes) {
    struct Case {
        const char* loopText;
        bool loops;
        int storedDelay;
        bool wasTicked;
        bool delay;
    };
    const Case cases[] = {
        {"1", false, 1, false, true},   {"2", true, 0, true, false}, {"65535", true, -1, true, true},
        {"0", false, -1, false, false}, {"", false, 2, true, true},  {"70000", false, 0, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MacroList::Loops(c.loopText), c.loops) << c.loopText;
        EXPECT_EQ(MacroList::DelayRecording(c.storedDelay, c.wasTicked), c.delay) << c.storedDelay;
    }
}

TEST(MacroList, DeletingSelectsTheNextMacroElseTheLast) {
    struct Case {
        int deleted, count, selection;
    };
    const Case cases[] = {{0, 2, 0}, {1, 2, 1}, {2, 2, 1}, {0, 0, -1}, {11, 11, 10}};
    for (const Case& c : cases) {
        EXPECT_EQ(MacroList::SelectionAfterDelete(c.deleted, c.count), c.selection)
            << c.deleted << "/" << c.count;
    }
}

TEST(MacroList, RenamingAMacroRenamesTheButtonsThatPlayIt) {
    const Names labels{"Left Click", "Macro:Macro_2", "Makro:macro_2 ", "Macro:Macro_21", "Macro_2", ""};
    EXPECT_EQ(MacroList::RenamedLabels(labels, "Macro_2", "Jump"),
              (Names{"Left Click", "Macro:Jump", "Makro:Jump", "Macro:Macro_21", "Jump", ""}));
    EXPECT_EQ(MacroList::RenamedLabels(labels, "Fire", "Jump"), labels);
}

} // namespace
} // namespace corvalith
