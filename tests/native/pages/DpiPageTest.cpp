#include "pages/DpiPageModel.h"
#include "pages/DpiScale.h"
#include "profile/ProfileSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvalith {
namespace {

using Mode = DpiScale::StepMode;

TEST(DpiScaleTest, TextToCodeAndCodeToDpiInBothStepModes) {
    struct Case {
        Mode mode;
        const char* text;
        int code;
        int dpi;
    };
    const Case cases[] = {
        {Mode::Fine, "7225", 144, 7200},     {Mode::Fine, "7350", 145, 7300},
        {Mode::Fine, "9999", 171, 9900},     {Mode::Fine, "30", 1, 50},
        {Mode::Fine, "50", 1, 50},           {Mode::Fine, "99", 1, 50},
        {Mode::Fine, "100", 2, 100},         {Mode::Fine, "7200", 144, 7200},
        {Mode::Fine, "10799", 179, 10700},   {Mode::Fine, "10800", 180, 10800},
        {Mode::Fine, "99999", 180, 10800},   {Mode::Fine, "", 1, 50},
        {Mode::Coarse, "850", 8, 800},       {Mode::Coarse, "12000", 120, 12000},
        {Mode::Coarse, "12001", 120, 12000}, {Mode::Coarse, "99", 1, 100},
        {Mode::Coarse, "", 1, 100},          {Mode::Coarse, "3000", 30, 3000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const int code = DpiScale::CodeOfText(c.mode, c.text);
        EXPECT_EQ(code, c.code);
        EXPECT_EQ(DpiScale::DpiOfCode(c.mode, code), c.dpi);
    }
    EXPECT_EQ(DpiScale::DpiOfCode(Mode::Fine, 0), 0); // a stored 0 shows 0
    EXPECT_EQ(DpiScale::MaximumCode(Mode::Fine), 180);
    EXPECT_EQ(DpiScale::MaximumCode(Mode::Coarse), 120);
}

// The page over a profile in which every stage is enabled, code 10 in both arrays; the mouse has the
// same (the applied copy).
struct Page {
    Page() {
        for (int stage = 0; stage < DpiPageModel::kStages; ++stage) {
            working.DpiValuesA[stage] = 10;
            working.DpiValuesB[stage] = 10;
            working.DpiStageEnabled[stage] = 1;
        }
        working.DpiStageEnabled[3] = 0;
        applied = working;
        model.SetStepMode(Mode::Coarse);
    }
    // A click on the value label of a stage, opening its edit box.
    DpiPageModel::Outcome OpenEditor(int stage) { return model.Click(22 + 30 * stage, 185, ""); }
    // A click on the empty page below the sliders' tops.
    DpiPageModel::Outcome ClickElsewhere(std::string_view boxText) { return model.Click(240, 150, boxText); }

    ProfileSettings working{};
    ProfileSettings applied{};
    DpiPageModel model{working, applied};
};

// Each step: what the user does and how many notifications (DPI uploads) it brings.
TEST(DpiPageModelTest, TypedValuesAreCommittedOncePerChangeAndPerStage) {
    enum class Do { Open, Enter, ClickElsewhere, Slider };
    struct Step {
        Do action;
        int stage;
        const char* text; // typed text, or the hidden box's text for a click elsewhere
        int position;     // slider position
        int notifications;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::vector<std::pair<int, int>> codes; // stage, code in DpiValuesB
    };
    const Case cases[] = {
        {"the same text for two stages is taken for both",
         {{Do::Open, 1, "", 0, 0},
          {Do::Enter, 1, "3000", 0, 1},
          {Do::Open, 3, "", 0, 0},
          {Do::Enter, 3, "3000", 0, 1}},
         {{1, 30}, {3, 30}}},
        {"Enter commits once and the next click commits nothing",
         {{Do::Open, 2, "", 0, 0}, {Do::Enter, 2, "850", 0, 1}, {Do::ClickElsewhere, 0, "800", 0, 0}},
         {{2, 8}}},
        {"a click elsewhere commits the open box",
         {{Do::Open, 2, "", 0, 0},
          {Do::ClickElsewhere, 0, "4500", 0, 1},
          {Do::ClickElsewhere, 0, "4500", 0, 0}},
         {{2, 45}}},
        {"the value the box opened with is no change",
         {{Do::Open, 2, "", 0, 0}, {Do::ClickElsewhere, 0, "1000", 0, 0}},
         {{2, 10}}},
        {"repeating a stage's accepted text is no change",
         {{Do::Open, 0, "", 0, 0}, {Do::Enter, 0, "850", 0, 1}, {Do::Enter, 0, "850", 0, 0}},
         {{0, 8}}},
        {"a slider move drops the stage's typed text",
         {{Do::Open, 2, "", 0, 0}, {Do::Slider, 2, "3000", 50, 1}, {Do::ClickElsewhere, 0, "3000", 0, 0}},
         {{2, 50}}},
        {"after a slider move the same text is taken again",
         {{Do::Open, 2, "", 0, 0},
          {Do::Enter, 2, "3000", 0, 1},
          {Do::Slider, 2, "", 50, 1},
          {Do::Open, 2, "", 0, 0},
          {Do::Enter, 2, "3000", 0, 1}},
         {{2, 30}}},
        {"a slider move on another stage commits the open box first",
         {{Do::Open, 2, "", 0, 0}, {Do::Slider, 4, "3000", 77, 2}},
         {{2, 30}, {4, 77}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Page page;
        for (const Step& step : c.steps) {
            int notifications = 0;
            switch (step.action) {
            case Do::Open:
                notifications = page.OpenEditor(step.stage).Notifications;
                EXPECT_EQ(page.model.OpenEditor(), step.stage);
                break;
            case Do::Enter:
                notifications = page.model.Commit(step.stage, step.text);
                break;
            case Do::ClickElsewhere:
                notifications = page.ClickElsewhere(step.text).Notifications;
                break;
            case Do::Slider:
                notifications = page.model.SliderReleased(step.stage, step.position, step.text);
                break;
            }
            EXPECT_EQ(notifications, step.notifications);
            EXPECT_EQ(page.model.OpenEditor(),
                      step.action == Do::Open ? step.stage : DpiPageModel::kNoEditor);
        }
        for (const auto& [stage, code] : c.codes) {
            EXPECT_EQ(page.working.DpiValuesB[stage], code) << "stage " << stage;
        }
        EXPECT_EQ(page.working.DpiValuesA[2], 10); // the other step mode's codes are never touched
    }
}

TEST(DpiPageModelTest, ClicksOnTogglesSwatchesAndLabels) {
    struct Case {
        const char* name;
        int x, y;
        DpiPageModel::Outcome expected;
        int enabledStage3;
    };
    const Case cases[] = {
        {"toggle of stage 3 enables it", 25 + 90, 205, {1, {}, {}, ""}, 1},
        {"swatch of enabled stage 2 asks for a colour", 25 + 60, 216, {0, 2, {}, ""}, 0},
        {"swatch of disabled stage 3 does nothing", 25 + 90, 216, {0, {}, {}, ""}, 0},
        {"label of stage 5 opens its box with the mouse's value", 20 + 150, 182, {0, {}, 5, "2000"}, 0},
        {"between two toggles", 36, 205, {0, {}, {}, ""}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Page page;
        page.applied.DpiValuesB[5] = 20; // the box shows what the mouse has
        EXPECT_EQ(page.model.Click(c.x, c.y, ""), c.expected);
        EXPECT_EQ(page.working.DpiStageEnabled[3], c.enabledStage3);
    }
    Page page;
    EXPECT_EQ(page.model.ColourChosen(2, {1, 2, 3}), 1);
    EXPECT_EQ(page.working.DpiStageColors[2], (Rgb{1, 2, 3}));
    EXPECT_EQ(page.model.ColourChosen(7, {1, 2, 3}), 0);
}

TEST(DpiPageModelTest, SlidersStoreTheirCodeAndEnableTheirStage) {
    Page page;
    EXPECT_EQ(page.model.SliderReleased(3, 44, ""), 1);
    EXPECT_EQ(page.working.DpiValuesB[3], 44);
    EXPECT_EQ(page.working.DpiStageEnabled[3], 1);
    // Its toggle disables it again without changing the code.
    EXPECT_EQ(page.model.Click(25 + 90, 205, "").Notifications, 1);
    EXPECT_EQ(page.working.DpiStageEnabled[3], 0);
    EXPECT_EQ(page.working.DpiValuesB[3], 44);
    EXPECT_EQ(page.model.SliderReleased(7, 44, ""), 0);
    EXPECT_EQ(page.model.SliderReleased(-1, 44, ""), 0);

    // Codes out of the slider's range show clamped on the slider, unclamped on the label.
    page.working.DpiValuesB[0] = 0;
    page.working.DpiValuesB[1] = 200;
    EXPECT_EQ(page.model.SliderPosition(0), 1);
    EXPECT_EQ(page.model.ValueText(0), "0");
    EXPECT_EQ(page.model.SliderPosition(1), 120);
    EXPECT_EQ(page.model.ValueText(1), "20000");
    page.model.SetStepMode(Mode::Fine);
    page.working.DpiValuesA[0] = 145;
    EXPECT_EQ(page.model.ValueText(0), "7300");
    EXPECT_EQ(page.model.SliderPosition(1), 10);
}

} // namespace
} // namespace corvalith
