#include "skin/TextFit.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

TEST(TextFit, ATextThatDoesNotFitTakesTheLargestSmallerHeightThatFits) {
    // Twelve letters, each half as wide as the font is high: 6 pixels a unit of height.
    const auto width = [](int height) { return 12 * height / 2; };
    struct Case {
        int design;
        int available;
        int height;
    };
    const Case cases[] = {
        {14, 84, 14},                // fits exactly: the design height
        {14, 200, 14}, {14, 83, 13}, // one pixel short: 13 x 6 = 78
        {14, 60, 10},  {14, 10, 9},  // never below the smallest readable height
        {8, 10, 8},                  // a design smaller than that stays
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextFit::Height(c.design, c.available, width), c.height) << c.available;
    }
}

} // namespace
} // namespace corvalith
