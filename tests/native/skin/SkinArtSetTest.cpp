#include "skin/SkinArtSet.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

TEST(SkinArtSetTest, EachDisplayScaleTakesTheNearestSetAndHalfWayTakesTheLarger) {
    const std::pair<int, int> cases[] = {
        {0, 100},   {75, 100},  {100, 100}, {124, 100}, {125, 150}, {149, 150},  {150, 150},
        {174, 150}, {175, 200}, {200, 200}, {250, 200}, {300, 200}, {-100, 100},
    };
    for (const auto& [scale, set] : cases) {
        SCOPED_TRACE(scale);
        EXPECT_EQ(SkinArtSet::Nearest(scale), set);
    }
}

TEST(SkinArtSetTest, ASkinPathNamesTheSameFileInEachSet) {
    struct Case {
        const char* path;
        int set;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"Skins/main.png", 150, "Skins150/main.png"},
        {"Skins/main.png", 200, "Skins200/main.png"},
        {"Skins/main.png", 100, "Skins/main.png"},
        {"skins\\Main.PNG", 150, "Skins150\\Main.PNG"},
        {"\\skins/MacroManagement/Record-normal.png", 200, "\\Skins200/MacroManagement/Record-normal.png"},
        {"./SKINS\\\\Mouse/Front/F-1-over.png", 150, "./Skins150\\\\Mouse/Front/F-1-over.png"},
        {"skins\\Main.PNG", 100, "skins\\Main.PNG"},
        // No set of that number.
        {"Skins/main.png", 125, std::nullopt},
        {"Skins/main.png", 0, std::nullopt},
        // Not a file inside the Skins folder.
        {"main.png", 150, std::nullopt},
        {"SkinsX/main.png", 150, std::nullopt},
        {"Skins150/main.png", 200, std::nullopt},
        {"Update/Skins/main.png", 150, std::nullopt},
        {"Skins", 150, std::nullopt},
        {"Skins/./", 100, std::nullopt},
        {"", 150, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.path) + " in " + std::to_string(c.set));
        EXPECT_EQ(SkinArtSet::PathIn(c.path, c.set), c.expected);
    }
}

TEST(SkinArtSetTest, LengthsAndEdgesScaleWithHalvesRoundedUp) {
    struct Case {
        int length;
        int set;
        int expected;
    };
    const Case cases[] = {
        {15, 100, 15}, {15, 150, 23},   {15, 200, 30},   {14, 150, 21},     {1, 150, 2},
        {0, 150, 0},   {169, 150, 254}, {645, 150, 968}, {1000, 150, 1500}, {7, 200, 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.length) + " in " + std::to_string(c.set));
        EXPECT_EQ(SkinArtSet::Scaled(c.length, c.set), c.expected);
    }
}

} // namespace
} // namespace corvalith
