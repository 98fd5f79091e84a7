#include "skin/BackgroundFailure.h"
#include "doubles/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

TEST(BackgroundFailureTest, EachDialogShowsErrorUnderItsOwnCaption) {
    struct Case {
        BackgroundDialog dialog;
        const char* caption;
    };
    const Case cases[] = {
        {BackgroundDialog::ProfileManager, "Config Dialog Load background image failed!!!"},
        {BackgroundDialog::MacroManager, "Macro Manager Dialog Load background image failed!!!"},
        {BackgroundDialog::KeyCapture, "Single Key Dialog Load background image failed!!!"},
    };
    int owner = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        test::ScriptedPrompts prompts;
        BackgroundFailure::Report(prompts, &owner, c.dialog);
        ASSERT_EQ(prompts.questions.size(), 1u);
        EXPECT_EQ(prompts.questions[0].kind, test::ScriptedPrompts::Kind::Message);
        EXPECT_EQ(prompts.questions[0].owner, &owner);
        EXPECT_EQ(prompts.questions[0].text, "error");
        EXPECT_EQ(prompts.questions[0].caption, c.caption);
        EXPECT_EQ(prompts.questions[0].buttons, PromptButtons::Ok);
    }
}

} // namespace
} // namespace corvalith
