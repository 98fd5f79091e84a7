#include "macro/MacroEventMenu.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

using Names = std::vector<std::string>;

TEST(MacroEventMenu, EachCommandEditsTheEventsItsWay) {
    const Names keys{"A   Dn", "A   Up", "B   Dn"};
    struct Case {
        unsigned command;
        Names items;
        int selection;
        bool changed;
    };
    const Case cases[] = {
        {32771, {"A   Dn", "B   Dn"}, -1, true},
        {32772, {"A   Dn", "A   Up", "L-Button   Dn", "L-Button   Up", "B   Dn"}, 3, true},
        {32773, {"A   Dn", "A   Up", "M-Button   Dn", "M-Button   Up", "B   Dn"}, 3, true},
        {32774, {"A   Dn", "A   Up", "R-Button   Dn", "R-Button   Up", "B   Dn"}, 3, true},
        {32786, {"A   Dn", "50 ms", "A   Up", "B   Dn"}, 2, true},
        {32775, keys, 1, false},
        {0, keys, 1, false},
    };
    for (const Case& c : cases) {
        const MacroList::Events result = MacroEventMenu::Run(c.command, keys, 1);
        EXPECT_EQ(result.Items, c.items) << c.command;
        EXPECT_EQ(result.Selection, c.selection) << c.command;
        EXPECT_EQ(result.Changed, c.changed) << c.command;
        EXPECT_EQ(MacroEventMenu::IsCommand(c.command), c.changed) << c.command;
    }
}

} // namespace
} // namespace corvalith
