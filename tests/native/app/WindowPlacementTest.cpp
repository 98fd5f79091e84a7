#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

TEST(WindowPlacement, TakesTheBackgroundsSizeOrTheFallbackAndCentresOnTheScreen) {
    struct Case {
        int backgroundWidth, backgroundHeight, screenWidth, screenHeight;
        Rect expected;
    };
    const Case cases[] = {
        {1000, 645, 1920, 1080, {460, 217, 1460, 862}},
        {801, 601, 1024, 768, {111, 83, 912, 684}},   // odd leftovers round towards the top left
        {0, 0, 1280, 1024, {140, 189, 1140, 834}},    // no background: 1000 x 645
        {0, 500, 1000, 645, {0, 0, 1000, 645}},       // an empty background: the fallback size too
        {-1, 300, 1000, 645, {0, 0, 1000, 645}},      // a header that reads nonsense
        {1000, 645, 800, 600, {-100, -22, 900, 623}}, // a small screen: both edges stick out
    };
    for (const Case& c : cases) {
        const WindowPlacement placement(c.backgroundWidth, c.backgroundHeight);
        EXPECT_EQ(placement.On(c.screenWidth, c.screenHeight), c.expected)
            << c.backgroundWidth << "x" << c.backgroundHeight << " on " << c.screenWidth << "x"
            << c.screenHeight;
    }
}

} // namespace
} // namespace corvalith
