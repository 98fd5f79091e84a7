#include "assign/AssignmentMenuPlan.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

struct ExpectedItem {
    int id; // 0: opens a submenu
    const char* text;
};

struct ExpectedMenu {
    int width;
    std::vector<ExpectedItem> items;
};

void ExpectMenu(const AssignmentMenuPlan::Menu& menu, const ExpectedMenu& expected, const char* which) {
    EXPECT_EQ(menu.ItemWidth, expected.width) << which;
    ASSERT_EQ(menu.Items.size(), expected.items.size()) << which;
    for (std::size_t i = 0; i < menu.Items.size(); ++i) {
        EXPECT_EQ(menu.Items[i].CommandId, expected.items[i].id) << which << " item " << i;
        EXPECT_EQ(menu.Items[i].Text, expected.items[i].text) << which << " item " << i;
    }
}

TEST(AssignmentMenuPlan, MenusInTheirOrderWidthsAndLanguage) {
    struct Case {
        const char* code;
        ExpectedMenu main;
        std::array<ExpectedMenu, 4> submenus;
    };
    const Case cases[] = {
        {"EN",
         {130,
          {{2001, "Click"},
           {2002, "Menu"},
           {2003, "Scroll "},
           {2004, "Forward"},
           {2005, "Back"},
           {2006, "Double-Click"},
           {2010, "Snipe"},
           {0, "DPI Setting +"},
           {0, "Multimedia Commands +"},
           {0, "Basic Commands +"},
           {0, "Additional Commands +"},
           {2011, "Assign Keyboard Key"},
           {2012, "Macro"},
           {2013, "Deactivated"}}},
         {{{90, {{2020, "DPI +"}, {2021, "DPI -"}, {2022, "DPI Loop"}}},
           {120,
            {{2050, "Open Media Player"},
             {2051, "Next Track"},
             {2052, "Previous Track"},
             {2053, "Stop"},
             {2054, "Play/Pause"},
             {2055, "Mute"},
             {2056, "Volume Up"},
             {2057, "Volume Down"}}},
           {130,
            {{2060, "New"},
             {2061, "Cut"},
             {2062, "Copy"},
             {2063, "Paste"},
             {2064, "Save"},
             {2065, "Print"},
             {2066, "Find"},
             {2067, "Redo"},
             {2068, "Undo"},
             {2069, "Select All"}}},
           {130,
            {{2030, "My computer"},
             {2031, "Web Home"},
             {2032, "Search Computer"},
             {2033, "Maximize"},
             {2034, "Minimize"},
             {2035, "Show desktop"},
             {2036, "Run"}}}}}},
        {"DE",
         {130,
          {{2001, "Klick"},
           {2002, "Menü"},
           {2003, "Scrollen"},
           {2004, "Vorwärts"},
           {2005, "Zurück"},
           {2006, "Doppelklick"},
           {2010, "Snipe"},
           {0, "DPI-Einstellung +"},
           {0, "Multimedia-Funktionen +"},
           {0, "Grundlegende-Funktionen +"},
           {0, "Zusätzliche-Funktionen +"},
           {2011, "Keyboard-Taste zuweisen +"},
           {2012, "Makro"},
           {2013, "Deaktiviert"}}},
         {{{90, {{2020, "DPI +"}, {2021, "DPI -"}, {2022, "DPI Loop"}}},
           {120,
            {{2050, "Mediaplayer öffnen"},
             {2051, "Nächster Titel"},
             {2052, "Vorheriger Titel"},
             {2053, "Stopp"},
             {2054, "Play/Pause"},
             {2055, "Stumm"},
             {2056, "Lautstärke +"},
             {2057, "Lautstärke -"}}},
           {130,
            {{2060, "Neu"},
             {2061, "Ausschneiden"},
             {2062, "Kopieren"},
             {2063, "Einfügen"},
             {2064, "Speichern"},
             {2065, "Drucken"},
             {2066, "Suchen"},
             {2067, "Wiederherstellen"},
             {2068, "Rückgängig machen"},
             {2069, "Alles auswählen"}}},
           {130,
            {{2030, "Arbeitsplatz"},
             {2031, "Web: Startseite"},
             {2032, "Computer durchsuchen"},
             {2033, "Maximieren"},
             {2034, "Minimieren"},
             {2035, "Desktop anzeigen"},
             {2036, "Ausführen"}}}}}},
    };
    for (const Case& c : cases) {
        LanguageTable table;
        table.Fill(c.code);
        const AssignmentCatalogue catalogue(table); // DPI names as before start-up replaces them
        const AssignmentMenuPlan plan(catalogue);
        ExpectMenu(plan.Main(), c.main, c.code);
        for (std::size_t i = 0; i < 4; ++i) {
            ExpectMenu(plan.Submenus()[i], c.submenus[i], c.code);
            EXPECT_EQ(plan.Main().Items[7 + i].Submenu, static_cast<int>(i));
        }
    }
}

TEST(AssignmentMenuPlan, OpensFivePixelsRightOfTheBoxLevelWithItsTop) {
    const Point at = AssignmentMenuPlan::Origin(250, 154);
    EXPECT_EQ(at.X, 255);
    EXPECT_EQ(at.Y, 154);
}

} // namespace
} // namespace corvalith
