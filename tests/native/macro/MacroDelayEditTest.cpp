#include "macro/MacroDelayEdit.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

TEST(MacroDelayEdit, ASecondClickOnTheSameDelayOpensTheEditor) {
    struct Click {
        int selected;
        const char* item;
        bool opens;
    };
    // One manager's clicks in order: the first item is remembered from the start.
    const Click clicks[] = {
        {0, "120 ms", true}, {2, "50 ms", false}, {2, "50 ms", true},   {1, "A   Dn", false},
        {2, "50 ms", true},  {-1, "", false},     {4, "0 ms", false},   {2, "50 ms", false},
        {4, "0 ms", false},  {4, "0 ms", true},   {3, "B   Up", false},
    };
    MacroDelayEdit edit;
    int n = 0;
    for (const Click& c : clicks) {
        EXPECT_EQ(edit.Opens(c.selected, c.item), c.opens) << "click " << n++;
    }
}

} // namespace
} // namespace corvalith
