#include "app/ButtonAssignment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace corvalith {
namespace {

struct CountingUploads : IButtonUploads {
    void ApplyButtons() override { ++applied; }
    int applied = 0;
};

// The window's side of an assignment: the dialogs end as the test says, and every step is recorded.
struct ScriptedWindow : IAssignmentWindow {
    std::optional<std::string> ChooseKey(const std::string& initialName) override {
        keyDialogs.push_back(initialName);
        return key;
    }
    std::optional<MacroResult>
    ChooseMacro(const std::optional<AssignmentCatalogue::MacroPreset>& preset) override {
        macroPresets.push_back(preset ? preset->Name : "(none)");
        return macro;
    }
    void ShowCaption(std::size_t slot) override { shown.push_back(slot); }

    std::optional<std::string> key;
    std::optional<MacroResult> macro;
    std::vector<std::string> keyDialogs;
    std::vector<std::string> macroPresets;
    std::vector<std::size_t> shown;
};

struct Assignment {
    Assignment() : assignment(session, uploads, window) {
        table.Fill("EN");
        catalogue.emplace(table);
        const std::uint8_t factory[] = {0, 1, 2, 4, 3, 6, 6}; // click, menu, scroll, back, forward, DPI
        std::copy(std::begin(factory), std::end(factory), session.Working.ButtonAssignmentKind);
        session.Working.ButtonKey[2] = 4; // "A", from an earlier key
        session.Captions[2] = "Scroll ";
    }
    LanguageTable table;
    std::optional<AssignmentCatalogue> catalogue;
    ProfileSession session;
    CountingUploads uploads;
    ScriptedWindow window;
    ButtonAssignment assignment;
};

TEST(ButtonAssignment, ACommandChangesTheMenuSlotAndEndsWithTheButtonWrite) {
    using MacroResult = IAssignmentWindow::MacroResult;
    struct Case {
        const char* what;
        int menuSlot;
        int command;
        std::optional<std::string> key;   // what the key dialog gives back
        std::optional<MacroResult> macro; // what the macro dialog gives back
        bool changed;
        std::uint8_t kind; // slot 2 afterwards
        const char* caption;
    };
    const Case cases[] = {
        {"forward", 2, 2004, {}, {}, true, 3, "Forward"},
        {"paste", 2, 2063, {}, {}, true, 8, "Paste"},
        {"no menu yet", -1, 2004, {}, {}, false, 2, "Scroll "},
        {"help menu id", 2, 1003, {}, {}, false, 2, "Scroll "},
        {"outside the range", 2, 4001, {}, {}, false, 2, "Scroll "},
        {"key", 2, 2011, "Num Enter", {}, true, 10, "Assign Keyboard Key-Num Enter"},
        {"key dialog cancelled or without a new key", 2, 2011, std::nullopt, {}, false, 2, "Scroll "},
        {"key without a usage code", 2, 2011, "App", {}, false, 2, "Scroll "},
        {"macro", 2, 2012, {}, MacroResult{1, 2, "Macro_10"}, true, 11, "Macro:Macro_10"},
        {"macro dialog cancelled or without a new choice", 2, 2012, {}, std::nullopt, false, 2, "Scroll "},
    };
    for (const Case& c : cases) {
        Assignment a;
        a.window.key = c.key;
        a.window.macro = c.macro;
        if (c.menuSlot >= 0) {
            a.assignment.MenuClosed(c.menuSlot);
        }
        EXPECT_EQ(a.assignment.Choose(*a.catalogue, c.command), c.changed) << c.what;
        EXPECT_EQ(a.session.Working.ButtonAssignmentKind[2], c.kind) << c.what;
        EXPECT_EQ(a.session.Captions[2], c.caption) << c.what;
        EXPECT_EQ(a.uploads.applied, c.changed ? 1 : 0) << c.what;
        EXPECT_EQ(a.window.shown, c.changed ? std::vector<std::size_t>{2} : std::vector<std::size_t>{})
            << c.what;
    }
}

TEST(ButtonAssignment, DialogsOpenWithTheSlotsKeyAndMacro) {
    Assignment a;
    a.assignment.MenuClosed(2);
    a.assignment.Choose(*a.catalogue, 2011);
    a.assignment.Choose(*a.catalogue, 2012);
    a.session.Captions[2] = "Macro:Macro_1";
    a.assignment.Choose(*a.catalogue, 2012);
    EXPECT_EQ(a.window.keyDialogs, std::vector<std::string>{"A"});
    EXPECT_EQ(a.window.macroPresets, (std::vector<std::string>{"(none)", "Macro_1"}));
}

TEST(ButtonAssignment, TheOnlyClickKeepsItsMenuClosed) {
    Assignment a;
    EXPECT_FALSE(a.assignment.MenuMayOpen(0));
    EXPECT_TRUE(a.assignment.MenuMayOpen(1));
    a.session.Working.ButtonAssignmentKind[5] = 0;
    EXPECT_TRUE(a.assignment.MenuMayOpen(0));
}

} // namespace
} // namespace corvalith
