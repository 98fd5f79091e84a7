#include "pages/AngleSnapOptions.h"
#include "pages/PointerGauge.h"
#include "pages/PollingRateDial.h"
#include "pages/ScrollSpeedModel.h"

#include <gtest/gtest.h>

#include <optional>

namespace corvalith {
namespace {

TEST(PollingRateDialTest, ClicksOnTheRingChooseTheQuarter) {
    // The dial's centre is (121, 66); the ring spans distances 35 to 64.
    struct Case {
        const char* name;
        int dx, dy;
        std::optional<std::uint8_t> rate; // from 4 (250 Hz)
    };
    const Case cases[] = {
        {"distance 34", 16, -30, std::nullopt},
        {"distance 35, upper right", 21, -28, 1},
        {"distance 64 straight up: notified, unchanged", 0, -64, 4},
        {"distance 65", -25, 60, std::nullopt},
        {"lower right", 28, 21, 2},
        {"lower left", -40, 30, 4},
        {"upper left", -30, -40, 8},
        {"on the horizontal axis", -50, 0, 4},
        {"centre", 0, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PollingRateDial::Click(121 + c.dx, 66 + c.dy, 4), c.rate);
    }
    EXPECT_EQ(PollingRateDial::Repaired(0), 2);
    EXPECT_EQ(PollingRateDial::Repaired(8), 8);
    EXPECT_EQ(PollingRateDial::Image(1), "Skins/USBReportRate/1000HZ.png");
    EXPECT_EQ(PollingRateDial::Image(8), "Skins/USBReportRate/125HZ.png");
}

TEST(PointerGaugeTest, ClicksOnTheUpperRingChooseTheLevel) {
    // The gauge's centre is (121, 91); the ring spans distances 43 to 71 above the centre line.
    struct Case {
        const char* name;
        int dx, dy;
        std::optional<int> level; // from level 5; nullopt: ignored
        bool onRing;
    };
    const Case cases[] = {
        {"straight up", 0, -50, 7, true},
        {"far right on the axis", 50, 0, 11, true},
        {"far left on the axis", -50, 0, 1, true},
        {"45 degrees", 40, -40, 9, true},
        {"135 degrees", -40, -40, 4, true},
        {"170 degrees", -50, -9, 2, true},
        {"176 degrees counts as the slow end", -60, -4, 1, true},
        {"inner edge", 0, -43, 7, true},
        {"outer edge", 0, -71, 7, true},
        {"inside the ring keeps the level", 0, -30, 5, false},
        {"beyond the ring keeps the level", 0, -72, 5, false},
        {"below the centre line is ignored", 0, 1, std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto click = PointerGauge::ClickAt(121 + c.dx, 91 + c.dy, 5);
        ASSERT_EQ(click.has_value(), c.level.has_value());
        if (click) {
            EXPECT_EQ(click->Level, *c.level);
            EXPECT_EQ(click->Angle.has_value(), c.onRing);
        }
    }
    // A stored level out of range is clamped by any click that is not ignored.
    EXPECT_EQ(PointerGauge::ClickAt(121, 60, 0)->Level, 1);
    EXPECT_EQ(PointerGauge::ClickAt(121, 60, 40)->Level, 11);
    EXPECT_EQ(PointerGauge::DebugLine(90.0), "angle/18:angle=90.000000,angle/18=5\n");
}

TEST(ScrollSpeedModelTest, ClicksOnArrowsAndOptions) {
    using Change = ScrollSpeedModel::BoxChange;
    struct Case {
        const char* name;
        int lines, oneScreen;
        int x, y;
        int linesAfter, oneScreenAfter;
        Change change;
    };
    const Case cases[] = {
        {"up", 5, 0, 195, 18, 6, 0, {std::nullopt, "6"}},
        {"up at 100 stays 100", 100, 0, 195, 18, 100, 0, {std::nullopt, "100"}},
        {"down", 5, 0, 195, 26, 4, 0, {std::nullopt, "4"}},
        {"down at 1 stays 1", 1, 0, 195, 26, 1, 0, {std::nullopt, "1"}},
        {"arrows do nothing in one-screen mode", 5, 1, 195, 18, 5, 1, {}},
        {"number of rows", 7, 1, 10, 20, 7, 0, {true, "7"}},
        {"one screen keeps the box's text", 7, 0, 10, 55, 7, 1, {false, std::nullopt}},
        {"elsewhere", 7, 0, 100, 60, 7, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProfileSettings profile{};
        profile.ScrollLines = static_cast<std::uint8_t>(c.lines);
        profile.ScrollOneScreen = static_cast<std::uint8_t>(c.oneScreen);
        EXPECT_EQ(ScrollSpeedModel::Click(profile, c.x, c.y), c.change);
        EXPECT_EQ(profile.ScrollLines, c.linesAfter);
        EXPECT_EQ(profile.ScrollOneScreen, c.oneScreenAfter);
    }
}

TEST(ScrollSpeedModelTest, TypedLinesOutsideTheRangeBecomeOne) {
    struct Case {
        const char* text;
        int oneScreen;
        std::optional<std::string> replacement;
        int lines; // from 9
    };
    const Case cases[] = {
        {"50", 0, std::nullopt, 50}, {"100", 0, std::nullopt, 100},
        {"1", 0, std::nullopt, 1},   {"0", 0, "1", 1},
        {"101", 0, "1", 1},          {"", 0, "1", 1},
        {"0", 1, std::nullopt, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ProfileSettings profile{};
        profile.ScrollLines = 9;
        profile.ScrollOneScreen = static_cast<std::uint8_t>(c.oneScreen);
        EXPECT_EQ(ScrollSpeedModel::TextChanged(profile, c.text), c.replacement);
        EXPECT_EQ(profile.ScrollLines, c.lines);
    }
    ProfileSettings profile{};
    profile.ScrollLines = 12;
    EXPECT_EQ(ScrollSpeedModel::BoxFor(profile), (ScrollSpeedModel::Box{true, "12"}));
    profile.ScrollOneScreen = 1;
    EXPECT_EQ(ScrollSpeedModel::BoxFor(profile), (ScrollSpeedModel::Box{false, "0"}));
}

TEST(AngleSnapOptionsTest, OptionsSwitchTheSetting) {
    struct Case {
        int x, y;
        bool hit;
        int enabled; // from 1
    };
    const Case cases[] = {
        {140, 30, true, 0}, {149, 39, true, 0}, {25, 30, true, 1}, {36, 30, false, 1}, {100, 35, false, 1}};
    for (const Case& c : cases) {
        ProfileSettings profile{};
        profile.AngleSnapEnabled = 1;
        EXPECT_EQ(AngleSnapOptions::Click(profile, c.x, c.y), c.hit) << c.x;
        EXPECT_EQ(profile.AngleSnapEnabled, c.enabled) << c.x;
    }
}

} // namespace
} // namespace corvalith
