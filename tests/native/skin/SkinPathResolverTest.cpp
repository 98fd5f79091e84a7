#include "skin/SkinPathResolver.h"
#include "doubles/MemoryDirectoryListing.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

TEST(SkinPathResolverTest, EveryWayTheWindowsSpellASkinPathFindsTheOneFile) {
    // A case-sensitive file system whose folders are spelt differently from the code.
    test::MemoryDirectoryListing listing;
    listing.folders["/opt/corvalith/"] = {"Corvalith.exe", "Skins", "Update"};
    listing.folders["/opt/corvalith/Skins/"] = {"BK_MainRight.png", "main.png", "MacroManagement", "Mouse",
                                                "DPISetting"};
    listing.folders["/opt/corvalith/Skins/MacroManagement/"] = {"Pane.png", "Record-normal.png"};
    listing.folders["/opt/corvalith/Skins/DPISetting/"] = {"BK_DPISetting.png"};
    listing.folders["/opt/corvalith/Skins/Mouse/"] = {"Front"};
    listing.folders["/opt/corvalith/Skins/Mouse/Front/"] = {"F-1-over.png"};
    const SkinPathResolver resolver("/opt/corvalith/", &listing);

    struct Case {
        const char* relative;
        const char* expected;
    };
    const Case cases[] = {
        {"Skins\\/MacroManagement/Pane.png", "/opt/corvalith/Skins/MacroManagement/Pane.png"},
        {"\\skins/MacroManagement/Record-normal.png",
         "/opt/corvalith/Skins/MacroManagement/Record-normal.png"},
        {"/skins/main.png", "/opt/corvalith/Skins/main.png"},
        {"skins/DPISetting/BK_DPISetting.png", "/opt/corvalith/Skins/DPISetting/BK_DPISetting.png"},
        {"/skins/BK_MainRight.png", "/opt/corvalith/Skins/BK_MainRight.png"},
        {"Skins\\BK_MainRight.png", "/opt/corvalith/Skins/BK_MainRight.png"},
        {"SKINS\\\\\\mouse//FRONT\\f-1-OVER.PNG", "/opt/corvalith/Skins/Mouse/Front/F-1-over.png"},
        {"Skins/./Mouse/./Front/F-1-over.png", "/opt/corvalith/Skins/Mouse/Front/F-1-over.png"},
        // A file that is not there keeps its spelling, so that loading it fails as missing.
        {"/skins/Missing.png", "/opt/corvalith/Skins/Missing.png"},
        {"/skins/NoFolder/x.png", "/opt/corvalith/Skins/NoFolder/x.png"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.relative);
        EXPECT_EQ(resolver.Resolve(c.relative), c.expected);
    }
}

TEST(SkinPathResolverTest, ExactSpellingWinsAndLookalikesResolveTheSameWay) {
    test::MemoryDirectoryListing listing;
    listing.folders["/p/"] = {"skins", "Skins", "SKINS"};
    listing.folders["/p/Skins/"] = {"a.png"};
    listing.folders["/p/SKINS/"] = {"a.png"};
    listing.folders["/p/skins/"] = {"a.png"};
    const SkinPathResolver resolver("/p/", &listing);

    EXPECT_EQ(resolver.Resolve("skins/a.png"), "/p/skins/a.png");
    EXPECT_EQ(resolver.Resolve("Skins/a.png"), "/p/Skins/a.png");
    // No exact match: the first in sorted order ("SKINS" < "Skins" < "skins").
    EXPECT_EQ(resolver.Resolve("sKiNs/a.png"), "/p/SKINS/a.png");
}

TEST(SkinPathResolverTest, WithoutAListingNamesAreUsedAsWrittenWithTheFolderSeparator) {
    struct Case {
        const char* folder;
        const char* relative;
        const char* expected;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Corvalith\\", "/skins/main.png",
         "C:\\Program Files\\Corvalith\\skins\\main.png"},
        {"C:\\Corvalith\\", "Skins\\/Mouse//Side\\S-3-normal.png",
         "C:\\Corvalith\\Skins\\Mouse\\Side\\S-3-normal.png"},
        {"/usr/lib/corvalith/", "Skins\\Warning\\main.jpg", "/usr/lib/corvalith/Skins/Warning/main.jpg"},
        {"", "\\Skins\\a.png", "Skins\\a.png"},
        {"C:\\Corvalith\\", "", "C:\\Corvalith\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.relative);
        EXPECT_EQ(SkinPathResolver(c.folder).Resolve(c.relative), c.expected);
    }
}

TEST(SkinPathResolverTest, NamesCompareIgnoringOnlyAsciiLetterCase) {
    struct Case {
        const char* a;
        const char* b;
        bool same;
    };
    const Case cases[] = {
        {"Skins", "sKINS", true},
        {"F-1-over.png", "f-1-OVER.PNG", true},
        {"a", "ab", false},
        {"[", "{", false},
        {"@", "`", false},
        {"Größe", "Größe", true},
        {"\xC3\x84", "\xC3\xA4", false}, // non-ASCII letters are compared as they are
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        EXPECT_EQ(SkinPathResolver::SameNameIgnoringCase(c.a, c.b), c.same);
    }
}

} // namespace
} // namespace corvalith
