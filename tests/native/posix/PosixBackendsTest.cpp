#include "ini/FileInstallRecord.h"
#include "ini/IniFile.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/XdgDataFolderLocator.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace corvalith {
namespace {

namespace fs = std::filesystem;

class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern = (fs::temp_directory_path() / "corvalith-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TemporaryFolder() { fs::remove_all(path_); }
    std::string Path(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

// Fails the step that puts the new file in place, as a crash between the two steps would.
class FailingRename : public PosixFileSystem {
protected:
    int MoveIntoPlace(const std::string&, const std::string&) override { return EIO; }
};

TEST(PosixFileSystem, ReplacesWholeFilesAndKeepsTheOldOneWhenTheRenameFails) {
    TemporaryFolder folder;
    PosixFileSystem real;
    IFileSystem& files = real;
    const std::string path = folder.Path("config0.bin");

    EXPECT_FALSE(files.FileExists(path));
    EXPECT_EQ(files.ReadFile(path), std::nullopt);
    ASSERT_EQ(files.WriteFileAtomically(path, Bytes("old content")), 0);
    ASSERT_EQ(files.WriteFileAtomically(path, Bytes("new")), 0);
    EXPECT_EQ(files.ReadFile(path), Bytes("new"));
    EXPECT_EQ(files.ReadFile(path, 2), Bytes("ne"));
    EXPECT_FALSE(fs::exists(path + ".tmp"));

    FailingRename failing;
    EXPECT_EQ(failing.WriteFileAtomically(path, Bytes("a much longer replacement")), EIO);
    EXPECT_EQ(files.ReadFile(path), Bytes("new"));
    EXPECT_FALSE(fs::exists(path + ".tmp"));

    // A folder that does not exist cannot take a file; the error is reported, not hidden.
    EXPECT_EQ(files.WriteFileAtomically(folder.Path("missing/str.ini"), Bytes("x")), ENOENT);
}

TEST(PosixFileSystem, CreatesMissingFolders) {
    TemporaryFolder folder;
    PosixFileSystem files;
    const std::string data = folder.Path("a/b/Corvalith/");
    EXPECT_EQ(files.CreateDirectories(data), 0);
    EXPECT_TRUE(fs::is_directory(data));
    EXPECT_EQ(files.CreateDirectories(data), 0);
    EXPECT_EQ(files.WriteFileAtomically(data + "str.ini", Bytes("x")), 0);
    EXPECT_FALSE(files.FileExists(data)); // a folder is not a file
    EXPECT_NE(files.CreateDirectories(data + "str.ini/sub"), 0);
}

TEST(XdgDataFolderLocator, FollowsTheConfigurationHome) {
    struct Case {
        const char* configHome;
        const char* home;
        const char* expected;
    };
    const Case cases[] = {
        {"/tmp/cfg", "/home/u", "/tmp/cfg/Corvalith/"},
        {"/tmp/cfg//", "/home/u", "/tmp/cfg/Corvalith/"},
        {nullptr, "/home/u", "/home/u/.config/Corvalith/"},
        {"relative", "/home/u", "/home/u/.config/Corvalith/"},
        {nullptr, nullptr, ""},
    };
    const std::string savedConfig = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    for (const Case& c : cases) {
        c.configHome ? ::setenv("XDG_CONFIG_HOME", c.configHome, 1) : ::unsetenv("XDG_CONFIG_HOME");
        c.home ? ::setenv("HOME", c.home, 1) : ::unsetenv("HOME");
        EXPECT_EQ(XdgDataFolderLocator().DataFolder(), c.expected);
    }
    savedConfig.empty() ? ::unsetenv("XDG_CONFIG_HOME") : ::setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
    savedHome.empty() ? ::unsetenv("HOME") : ::setenv("HOME", savedHome.c_str(), 1);
}

TEST(FileInstallRecord, IsWrittenOnceAndAskedAgainWhenDeleted) {
    TemporaryFolder folder;
    PosixFileSystem real;
    IFileSystem& files = real;
    const std::string path = folder.Path("Corvalith/install.ini");
    FileInstallRecord record(files, path);

    EXPECT_TRUE(record.IsNewInstallation());
    record.RecordInstallation("ON");
    EXPECT_FALSE(record.IsNewInstallation());
    record.RecordInstallation("OFF"); // an existing record is left alone
    const ini::IniFile stored(files, path);
    EXPECT_EQ(stored.ReadString("SOFTWARE\\Corvalith", "IsNewInstalled"), "N");
    EXPECT_EQ(stored.ReadString("SOFTWARE\\Corvalith", "LOD-Switcher"), "ON");

    fs::remove(path);
    EXPECT_TRUE(record.IsNewInstallation());
}

} // namespace
} // namespace corvalith
