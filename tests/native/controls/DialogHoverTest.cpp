#include "controls/DialogHover.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

TEST(DialogHover, RestingLightsOneOfOkAndCancelAndMovingOffPutsThemBack) {
    using Button = DialogHover::Button;
    DialogHover hover;
    EXPECT_FALSE(hover.Move(Button::Ok));
    EXPECT_TRUE(hover.Rest(Button::Ok));
    EXPECT_FALSE(hover.Rest(Button::Ok));
    EXPECT_TRUE(hover.Rest(Button::Cancel));
    EXPECT_FALSE(hover.IsLit(Button::Ok));
    EXPECT_TRUE(hover.Rest(Button::Close));
    EXPECT_TRUE(hover.IsLit(Button::Cancel));
    EXPECT_TRUE(hover.Move(Button::None));
    for (const Button b : {Button::Close, Button::Ok, Button::Cancel}) {
        EXPECT_FALSE(hover.IsLit(b));
    }
    EXPECT_FALSE(hover.Move(Button::None));
}

} // namespace
} // namespace corvalith
