#include "app/TrayMenuPlan.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

using Item = TrayMenuPlan::Item;

TEST(TrayMenuPlan, ListsTheProfilesAboveTheIconsItemsWithTheActiveOneMarked) {
    struct Case {
        const char* name;
        std::vector<std::string> profiles;
        int active;
        bool automatic;
        std::vector<Item> items;
    };
    const Case cases[] = {
        {"no profile list yet", {}, 0, true, {{2, "Exit", false}}},
        {"three profiles, the second active",
         {"A", "Spiel: 再", "C"},
         1,
         true,
         {{1210, "A", false},
          {1211, "Spiel: 再", true},
          {1212, "C", false},
          {2048, "", false},
          {1200, "Auto", true},
          {2048, "", false},
          {2, "Exit", false}}},
        {"automatic switching off, no active entry",
         {"A"},
         -1,
         false,
         {{1210, "A", false},
          {2048, "", false},
          {1200, "Auto", false},
          {2048, "", false},
          {2, "Exit", false}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TrayMenuPlan::For(c.profiles, c.active, c.automatic, "Auto", "Exit"), c.items) << c.name;
    }
    EXPECT_EQ(TrayMenuPlan::ProfileOf(1212, 3), 2);
    EXPECT_EQ(TrayMenuPlan::ProfileOf(1213, 3), -1) << "no fourth profile";
    EXPECT_EQ(TrayMenuPlan::ProfileOf(1200, 3), -1);
}

} // namespace
} // namespace corvalith
