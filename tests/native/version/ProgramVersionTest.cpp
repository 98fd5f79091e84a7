#include "app/ProgramVersion.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

TEST(ProgramVersion, MenuItemIsVersionColonMajorDotMinor) {
    struct Case {
        unsigned major;
        unsigned minor;
        const char* expected;
    };
    const Case cases[] = {
        {1, 0, "Version:1.0"},   {1, 2, "Version:1.2"}, {2, 10, "Version:2.10"},
        {10, 0, "Version:10.0"}, {0, 9, "Version:0.9"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProgramVersion::MenuItem(c.major, c.minor), c.expected) << c.major << "." << c.minor;
    }
}

TEST(ProgramVersion, ReleaseOneZeroKeepsTheMenuTextOfTheProduct) {
    // Version 1.0.0: the setup program is Corvalith-Setup-1.0.0.exe and the help menu still reads
    // "Version:1.0". A new version changes CMakeLists.txt and these two lines together.
    EXPECT_EQ(ProgramVersion::kText, "1.0.0");
    EXPECT_EQ(ProgramVersion::MenuItem(), "Version:1.0");
}

} // namespace
} // namespace corvalith
