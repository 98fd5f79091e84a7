#include "macro/MacroChoice.h"
#include "macro/MacroDialogLayout.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

TEST(MacroChoice, PreselectsTheExactNameBeforeAnyPrefix) {
    struct Case {
        std::vector<std::string> names;
        const char* current;
        int selected;
    };
    const Case cases[] = {
        {{"Macro_1", "Macro_10"}, "Macro_1", 0},
        {{"Macro_1", "Macro_10"}, "MACRO_1", 0},
        {{"Macro_10", "Macro_1"}, "Macro_1", 1},
        {{"Macro_1", "Macro_10"}, "Macro_10", 1},
        // no exact name: the list box's prefix search, from the second item round to the first
        {{"Macro_1", "Macro_10"}, "Macro", 1},
        {{"Macro_10", "Other"}, "macro_1", 0},
        {{"Macro_1", "Macro_10"}, "Gone", -1},
        {{"Macro_1"}, "", -1},
        {{}, "Macro_1", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MacroChoice::Preselect(c.names, c.current), c.selected) << c.current;
    }
}

TEST(MacroChoice, OkGivesAChoiceOnlyAfterTheUserMadeOne) {
    const std::vector<std::string> names{"Macro_1", "Macro_10", "Macro_2"};
    MacroChoice untouched("Macro_1", 0, 2);
    EXPECT_EQ(untouched.Choice(), std::nullopt);

    MacroChoice choice("Macro_1", 0, 2);
    EXPECT_FALSE(choice.ChooseItem(names, 3));
    EXPECT_TRUE(choice.ChooseItem(names, 1));
    EXPECT_EQ(choice.Mode(), 0) << "choosing a macro starts its run mode again";
    EXPECT_FALSE(choice.ChooseMode(3));
    EXPECT_TRUE(choice.ChooseMode(1));
    const std::optional<MacroChoice::Result> result = choice.Choice();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->Index, 1);
    EXPECT_EQ(result->Mode, 1);
    EXPECT_EQ(result->Name, "Macro_10");

    MacroChoice none; // a button without a macro: a run mode alone assigns nothing
    EXPECT_TRUE(none.ChooseMode(2));
    EXPECT_EQ(none.Choice(), std::nullopt);
}

TEST(MacroDialogLayout, TextsFollowTheLanguageAndClicksTheirTargets) {
    EXPECT_EQ(MacroDialogLayout::TextsFor("EN").RunModes[1],
              "Macro runs endless loop until any button is pressed. ");
    EXPECT_EQ(MacroDialogLayout::TextsFor("DE").Cancel, "Abbrechen");
    EXPECT_EQ(MacroDialogLayout::TextsFor("CHT").Prompt, "請先選擇巨集");
    EXPECT_EQ(MacroDialogLayout::TextsFor("JP").Ok, "");
    EXPECT_EQ(MacroDialogLayout::FontFace("CHS"), "黑体");
    EXPECT_EQ(MacroDialogLayout::FontFace("EN"), "Arial");
    using Target = MacroDialogLayout::Target;
    struct Case {
        int x, y;
        Target target;
    };
    const Case cases[] = {
        {42, 128, Target::NameField}, {150, 143, Target::NameField}, {220, 78, Target::RunMode0},
        {235, 143, Target::RunMode1}, {220, 178, Target::RunMode2},  {300, 86, Target::None},
        {250, 250, Target::Ok},       {371, 274, Target::Cancel},    {352, 6, Target::Close}};
    for (const Case& c : cases) {
        EXPECT_EQ(MacroDialogLayout::TargetAt(c.x, c.y), c.target) << c.x << "," << c.y;
    }
}

} // namespace
} // namespace corvalith
