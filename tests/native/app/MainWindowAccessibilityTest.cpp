#include "app/MainWindowAccessibility.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace corvalith {
namespace {

using Item = AccessibleItem;
using Role = AccessibleItem::Role;

constexpr MainWindowAccessibility::Commands kCommands{0x100, 0x200};

// The button-assignment panel 160 pixels high, the axis panel 120.
TEST(MainWindowAccessibilityTest, ListsWhatTheWindowShowsInReadingOrder) {
    struct Case {
        const char* what;
        const char* language;
        std::function<void(MainWindowModel&)> steps;
        bool profileManagerOpen;
        std::vector<Item> expected;
    };
    const MainWindowAccessibility::Captions captions = {"Click",   "Menu",  "Scroll ", "Back",
                                                        "Forward", "DPI +", "DPI -",   ""};
    const Case cases[] = {
        {"as the window starts",
         "EN",
         [](MainWindowModel&) {},
         false,
         {
             {"Help", Role::PushButton, "", {937, 5, 952, 20}, 0x103},
             {"Minimize", Role::PushButton, "", {958, 5, 973, 20}, 0x102},
             {"Close", Role::PushButton, "", {979, 5, 994, 20}, 0x101},
             {"Button Assignment", Role::SectionHeader, "", {20, 107, 262, 127}, 0x107, false, false},
             {"Macro Manager", Role::PushButton, "", {20, 132, 262, 152}, 0x108},
             {"Axis Sensitivity", Role::SectionHeader, "", {20, 157, 262, 177}, 0x109, false, false},
             {"Lift off distance", Role::SectionHeader, "", {20, 182, 262, 202}, 0x10A, false, false},
             {"Top View", Role::PushButton, "", {435, 527, 497, 556}, 0x105, true},
             {"Side View", Role::PushButton, "", {505, 527, 567, 556}, 0x106},
             {"Config", Role::PushButton, "", {18, 604, 158, 634}, 0x104},
             {"Reset", Role::PushButton, "", {923, 604, 980, 634}, 0x100},
         }},
        {"buttons and lift-off open, the side view, row 4's menu open",
         "DE",
         [](MainWindowModel& m) {
             m.Toggle(MainWindowLayout::ButtonAssignment, false);
             m.Toggle(MainWindowLayout::LiftOff, false);
             m.SelectView(MainWindowPlan::View::Side);
             m.SelectRow(4);
         },
         false,
         {
             {"Hilfe", Role::PushButton, "", {937, 5, 952, 20}, 0x103},
             {"Minimieren", Role::PushButton, "", {958, 5, 973, 20}, 0x102},
             {"Schließen", Role::PushButton, "", {979, 5, 994, 20}, 0x101},
             {"Tastenbelegung", Role::SectionHeader, "", {20, 107, 262, 127}, 0x107, false, true},
             // Rows 4 and 5 show slots 4 and 3.
             {"Taste 1", Role::DropDown, "Click", {120, 154, 250, 170}, 0x200, false, false},
             {"Taste 2", Role::DropDown, "Menu", {120, 174, 250, 190}, 0x201, false, false},
             {"Taste 3", Role::DropDown, "Scroll ", {120, 194, 250, 210}, 0x202, false, false},
             {"Taste 4", Role::DropDown, "Forward", {120, 214, 250, 230}, 0x204, false, true},
             {"Taste 5", Role::DropDown, "Back", {120, 234, 250, 250}, 0x203, false, false},
             {"Taste 6", Role::DropDown, "DPI +", {120, 254, 250, 270}, 0x205, false, false},
             {"Taste 7", Role::DropDown, "DPI -", {120, 274, 250, 290}, 0x206, false, false},
             {"Makro-Manager", Role::PushButton, "", {20, 292, 262, 312}, 0x108},
             {"Achsen-Empfindlichkeit", Role::SectionHeader, "", {20, 317, 262, 337}, 0x109, false, false},
             {"Lift off distance", Role::SectionHeader, "", {20, 342, 262, 362}, 0x10A, false, true},
             {"Draufsicht", Role::PushButton, "", {435, 527, 497, 556}, 0x105, false},
             {"Seitenansicht", Role::PushButton, "", {505, 527, 567, 556}, 0x106, true},
             {"Spiel-Profile", Role::PushButton, "", {18, 604, 158, 634}, 0x104},
             {"Zurücksetzen", Role::PushButton, "", {923, 604, 980, 634}, 0x100},
         }},
        {"under the profile manager, the headers and boxes covered",
         "CHS",
         [](MainWindowModel& m) { m.Toggle(MainWindowLayout::ButtonAssignment, false); },
         true,
         {
             {"帮助", Role::PushButton, "", {937, 5, 952, 20}, 0x103},
             {"最小化", Role::PushButton, "", {958, 5, 973, 20}, 0x102},
             {"关闭", Role::PushButton, "", {979, 5, 994, 20}, 0x101},
             {"顶视图", Role::PushButton, "", {435, 527, 497, 556}, 0x105, true},
             {"侧视图", Role::PushButton, "", {505, 527, 567, 556}, 0x106},
             {"配置", Role::PushButton, "", {18, 604, 158, 634}, 0x104},
             {"恢复", Role::PushButton, "", {923, 604, 980, 634}, 0x100},
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LanguageTable texts;
        texts.Fill(c.language);
        MainWindowModel model(160, 120);
        c.steps(model);
        const std::vector<Item> items =
            MainWindowAccessibility::Items(model, texts, captions, c.profileManagerOpen, kCommands);
        ASSERT_EQ(items.size(), c.expected.size());
        for (std::size_t k = 0; k < items.size(); ++k) {
            EXPECT_EQ(items[k], c.expected[k]) << "item " << k << ": " << items[k].Name;
        }
    }
}

} // namespace
} // namespace corvalith
