#include "pages/AdvancedPanelAccessibility.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvalith {
namespace {

using Item = AccessibleItem;
using Role = AccessibleItem::Role;

// Page heights: DPI 232, lighting 192, pad 163, polling rate 135, the two gauges 112, scroll 72, angle 50.
TEST(AdvancedPanelAccessibilityTest, ListsTheShownHeadersWhereTheyStandScrolled) {
    struct Case {
        const char* what;
        const char* language;
        bool pad;
        std::vector<int> opened;
        int scroll;
        std::vector<Item> expected;
    };
    const Case cases[] = {
        {"all closed, the pad on",
         "EN",
         true,
         {},
         0,
         {
             {"DPI Setting", Role::SectionHeader, "", {0, 2, 242, 22}, 0x300, false, false},
             {"Lighting", Role::SectionHeader, "", {0, 27, 242, 47}, 0x301, false, false},
             {"Polling Rate", Role::SectionHeader, "", {0, 77, 242, 97}, 0x303, false, false},
             {"Mouse Speed", Role::SectionHeader, "", {0, 102, 242, 122}, 0x304, false, false},
             {"Double-Click Speed", Role::SectionHeader, "", {0, 127, 242, 147}, 0x305, false, false},
             {"Scroll Speed", Role::SectionHeader, "", {0, 152, 242, 172}, 0x306, false, false},
         }},
        {"DPI and polling open, the pad off, scrolled down by 100",
         "DE",
         false,
         {1, 4},
         100,
         {
             {"DPI-Einstellung", Role::SectionHeader, "", {0, -98, 242, -78}, 0x300, false, true},
             {"Lighting", Role::SectionHeader, "", {0, 159, 242, 179}, 0x301, false, false},
             {"Abfragerate", Role::SectionHeader, "", {0, 184, 242, 204}, 0x303, false, true},
             {"Mausgeschwindigkeit", Role::SectionHeader, "", {0, 344, 242, 364}, 0x304, false, false},
             {"Doppelklick-Geschwindigkeit",
              Role::SectionHeader,
              "",
              {0, 369, 242, 389},
              0x305,
              false,
              false},
             {"Scroll-Geschwindigkeit", Role::SectionHeader, "", {0, 394, 242, 414}, 0x306, false, false},
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LanguageTable texts;
        texts.Fill(c.language);
        AdvancedPanelLayout layout(
            {{{242, 232}, {242, 192}, {242, 163}, {242, 135}, {242, 112}, {242, 112}, {242, 72}, {242, 50}}});
        layout.SetPadSection(c.pad);
        for (const int section : c.opened) {
            layout.Toggle(section, false);
        }
        EXPECT_EQ(AdvancedPanelAccessibility::Items(layout, c.scroll, texts, 0x300), c.expected);
    }
}

} // namespace
} // namespace corvalith
