#include "platform/posix/PosixDirectoryListing.h"
#include "skin/SkinPathResolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace corvalith {
namespace {

namespace fs = std::filesystem;

TEST(PosixDirectoryListingTest, FindsSkinFilesWhateverTheLetterCaseOnACaseSensitiveDisk) {
    std::string pattern = (fs::temp_directory_path() / "corvalith-skins-XXXXXX").string();
    const std::string root = ::mkdtemp(pattern.data());
    fs::create_directories(root + "/Skins/MacroManagement");
    std::ofstream(root + "/Skins/MacroManagement/Record-normal.png") << "x";
    std::ofstream(root + "/Skins/main.png") << "x";

    PosixDirectoryListing listing;
    auto names = listing.ListNames(root + "/Skins/");
    ASSERT_TRUE(names.has_value());
    std::sort(names->begin(), names->end());
    EXPECT_EQ(*names, (std::vector<std::string>{"MacroManagement", "main.png"}));
    EXPECT_FALSE(listing.ListNames(root + "/NoSuchFolder/").has_value());

    const SkinPathResolver resolver(root + "/", &listing);
    for (const char* relative :
         {"\\skins/MacroManagement/Record-normal.png", "SKINS\\\\macromanagement\\RECORD-NORMAL.png",
          "Skins\\/MacroManagement/Record-normal.png"}) {
        SCOPED_TRACE(relative);
        const std::string path = resolver.Resolve(relative);
        EXPECT_EQ(path, root + "/Skins/MacroManagement/Record-normal.png");
        EXPECT_TRUE(fs::exists(path));
    }
    EXPECT_TRUE(fs::exists(resolver.Resolve("/skins/MAIN.PNG")));
    fs::remove_all(root);
}

} // namespace
} // namespace corvalith
