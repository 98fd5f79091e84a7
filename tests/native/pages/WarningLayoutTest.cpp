#include "pages/WarningLayout.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

TEST(WarningLayout, OptionsFollowTheMessageAndButtonsTheOptions) {
    struct Case {
        const char* name;
        int backgroundHeight, messageHeight;
        Rect on, off, ok;
        int height;
    };
    const Case cases[] = {
        // A message ending at 79: the places the notice always had on its 320 x 160 background.
        {"short message", 160, 40, {56, 85, 68, 97}, {56, 103, 68, 115}, {197, 128, 250, 150}, 160},
        // Five lines of 16 end at 119: the options move below them, the buttons below the options, and
        // the window grows by 200 - 160.
        {"long message", 160, 80, {56, 125, 68, 137}, {56, 143, 68, 155}, {197, 168, 250, 190}, 200},
        // The same on a background tall enough: the buttons stay 32 above its bottom.
        {"tall background", 220, 80, {56, 125, 68, 137}, {56, 143, 68, 155}, {197, 188, 250, 210}, 220},
        {"no message", 160, 0, {56, 85, 68, 97}, {56, 103, 68, 115}, {197, 128, 250, 150}, 160},
    };
    for (const Case& c : cases) {
        const WarningLayout layout(320, c.backgroundHeight, c.messageHeight);
        EXPECT_EQ(layout.Message(), (Rect{56, 39, 296, 39 + c.messageHeight})) << c.name;
        EXPECT_EQ(layout.OnOption(), c.on) << c.name;
        EXPECT_EQ(layout.OffOption(), c.off) << c.name;
        EXPECT_EQ(layout.OnCaption(), (Point{76, c.on.Top})) << c.name;
        EXPECT_EQ(layout.OffCaption(), (Point{76, c.off.Top})) << c.name;
        EXPECT_EQ(layout.Ok(), c.ok) << c.name;
        EXPECT_EQ(layout.Cancel(), (Rect{255, c.ok.Top, 308, c.ok.Bottom})) << c.name;
        EXPECT_EQ(layout.Close(), (Rect{300, 5, 314, 18})) << c.name;
        EXPECT_EQ(layout.Width(), 320) << c.name;
        EXPECT_EQ(layout.Height(), c.height) << c.name;
    }
}

} // namespace
} // namespace corvalith
