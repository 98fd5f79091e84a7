#include "pages/SmallWindowFonts.h"
#include "pages/WarningChoice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvalith {
namespace {

TEST(WarningChoiceTest, OnlyOkWithOnMarkedTurnsLiftOffOn) {
    using Option = WarningChoice::Option;
    enum class Close { Ok, Cancel, CloseButton };
    struct Case {
        const char* name;
        std::vector<Option> clicks;
        Close close;
        int choice;
        bool liftOffOn;
    };
    const Case cases[] = {
        {"ON then OK", {Option::On}, Close::Ok, 1, true},
        {"OK at once (OFF marked on opening)", {}, Close::Ok, 0, false},
        {"OFF then OK", {Option::Off}, Close::Ok, 0, false},
        {"ON then OFF then OK", {Option::On, Option::Off}, Close::Ok, 0, false},
        {"OFF then ON then OK", {Option::Off, Option::On}, Close::Ok, 1, true},
        {"ON then Cancel", {Option::On}, Close::Cancel, 1, false},
        {"ON then the close button", {Option::On}, Close::CloseButton, 1, false},
        {"the close button at once", {}, Close::CloseButton, 0, false},
    };
    for (const Case& c : cases) {
        WarningChoice answer;
        EXPECT_EQ(answer.Choice(), 0) << c.name;
        EXPECT_TRUE(answer.IsMarked(Option::Off)) << c.name;
        for (Option click : c.clicks) {
            answer.Choose(click);
        }
        answer.Close(c.close == Close::Ok);
        EXPECT_EQ(answer.Choice(), c.choice) << c.name;
        EXPECT_EQ(answer.TurnsLiftOffOn(), c.liftOffOn) << c.name;
        EXPECT_TRUE(answer.Closed()) << c.name;
    }
}

TEST(WarningChoiceTest, RepaintsBothMarksOnAChangeAndNeitherOnARepeat) {
    using Option = WarningChoice::Option;
    WarningChoice answer;
    struct Step {
        Option click;
        bool onChanged;
        bool offChanged;
        bool onMarked;
    };
    const Step steps[] = {
        {Option::Off, false, false, false}, // already marked when the notice opens
        {Option::On, true, true, true},
        {Option::On, false, false, true},
        {Option::Off, true, true, false},
    };
    for (const Step& step : steps) {
        const WarningChoice::Changed changed = answer.Choose(step.click);
        EXPECT_EQ(changed.on, step.onChanged);
        EXPECT_EQ(changed.off, step.offChanged);
        EXPECT_EQ(answer.IsMarked(Option::On), step.onMarked);
        EXPECT_EQ(answer.IsMarked(Option::Off), !step.onMarked);
    }
    EXPECT_FALSE(answer.Closed());
    EXPECT_FALSE(answer.TurnsLiftOffOn());
}

TEST(SmallWindowFontsTest, TheNoticeTreatsJapaneseLikeChineseAndTheTipDoesNot) {
    struct Case {
        const char* code;
        int warningHeight;
        const char* warningFace;
        int buttonHeight;
        const char* tipFace;
    };
    const Case cases[] = {
        {"CHS", 13, "黑体", 12, "黑体"},    {"CHT", 13, "黑体", 12, "黑体"},
        {"JP", 13, "黑体", 12, "Arial"},    {"EN", 14, "Arial", 14, "Arial"},
        {"DE", 14, "Arial", 14, "Arial"},   {"", 14, "Arial", 14, "Arial"},
        {"chs", 14, "Arial", 14, "Arial"},  {"JPN", 14, "Arial", 14, "Arial"},
        {"CHS ", 14, "Arial", 14, "Arial"},
    };
    for (const Case& c : cases) {
        const SmallWindowFonts::Font warning = SmallWindowFonts::Warning(c.code);
        EXPECT_EQ(warning.height, c.warningHeight) << c.code;
        EXPECT_EQ(std::string(warning.face), c.warningFace) << c.code;
        const SmallWindowFonts::Font button = SmallWindowFonts::WarningButton(c.code);
        EXPECT_EQ(button.height, c.buttonHeight) << c.code;
        EXPECT_EQ(std::string(button.face), c.warningFace) << c.code;
        const SmallWindowFonts::Font tip = SmallWindowFonts::ToolTip(c.code);
        EXPECT_EQ(tip.height, 12) << c.code;
        EXPECT_EQ(std::string(tip.face), c.tipFace) << c.code;
    }
}

} // namespace
} // namespace corvalith
