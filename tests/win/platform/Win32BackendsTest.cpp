#include "doubles/RecordingDebugOutput.h"
#include "doubles/StorageCollaborators.h"
#include "ini/IniFile.h"
#include "platform/FixedDataFolderLocator.h"
#include "platform/win/RegistryInstallRecord.h"
#include "platform/win/WideString.h"
#include "platform/win/Win32DataFolderLocator.h"
#include "platform/win/Win32FileSystem.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileStorage.h"
#include "win/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

namespace corvalith {
namespace {

using test::TemporaryFolder;

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

class FailingRename : public Win32FileSystem {
protected:
    int MoveIntoPlace(const std::string&, const std::string&) override { return ERROR_DISK_FULL; }
};

TEST(Win32FileSystem, ReplacesWholeFilesAndKeepsTheOldOneWhenTheMoveFails) {
    TemporaryFolder folder;
    Win32FileSystem real;
    IFileSystem& files = real;
    // A Chinese and German file name checks the UTF-8 to UTF-16 boundary.
    const std::string path = folder.Path() + "配置-Größe.bin";

    EXPECT_FALSE(files.FileExists(path));
    ASSERT_EQ(files.WriteFileAtomically(path, Bytes("old content")), 0);
    ASSERT_EQ(files.WriteFileAtomically(path, Bytes("new")), 0);
    EXPECT_TRUE(files.FileExists(path));
    EXPECT_EQ(files.ReadFile(path), Bytes("new"));
    EXPECT_EQ(files.ReadFile(path, 2), Bytes("ne"));
    EXPECT_FALSE(files.FileExists(path + ".tmp"));

    FailingRename failing;
    EXPECT_EQ(failing.WriteFileAtomically(path, Bytes("a much longer replacement")), ERROR_DISK_FULL);
    EXPECT_EQ(files.ReadFile(path), Bytes("new"));
    EXPECT_FALSE(files.FileExists(path + ".tmp"));

    EXPECT_EQ(files.WriteFileAtomically(folder.Path() + "missing\\str.ini", Bytes("x")),
              ERROR_PATH_NOT_FOUND);
}

TEST(Win32FileSystem, CreatesMissingFoldersWithEitherSeparator) {
    TemporaryFolder folder;
    Win32FileSystem files;
    const std::string data = folder.Path() + "a/b\\\\Corvalith\\";
    EXPECT_EQ(files.CreateDirectories(data), 0);
    EXPECT_EQ(files.CreateDirectories(data), 0);
    EXPECT_EQ(files.WriteFileAtomically(data + "str.ini", Bytes("x")), 0);
    EXPECT_TRUE(files.FileExists(folder.Path() + "a\\b\\Corvalith\\str.ini"));
}

TEST(Win32DataFolderLocator, IsTheProductFolderInsideApplicationData) {
    wchar_t appData[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData)));
    EXPECT_EQ(Win32DataFolderLocator().DataFolder(), WideString::ToUtf8(appData) + "\\Corvalith\\");
}

TEST(RegistryInstallRecord, WritesTwoStringValuesOnceAndAsksAgainWhenDeleted) {
    // A key of the test's own: the product's key under the current user is left alone.
    const std::wstring key =
        L"SOFTWARE\\CorvalithTests\\InstallRecord" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    const auto remove = [&] {
        RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, key.c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, L"SOFTWARE\\CorvalithTests");
    };
    remove();
    RegistryInstallRecord record(key);

    EXPECT_TRUE(record.IsNewInstallation());
    record.RecordInstallation("OFF");
    EXPECT_FALSE(record.IsNewInstallation());
    record.RecordInstallation("ON"); // the key exists: left alone

    struct Value {
        const wchar_t* name;
        const wchar_t* expected;
    };
    for (const Value& value : {Value{L"IsNewInstalled", L"N"}, Value{L"LOD-Switcher", L"OFF"}}) {
        wchar_t text[16] = {};
        DWORD size = sizeof text;
        DWORD type = 0;
        ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, key.c_str(), value.name, RRF_RT_ANY, &type, text, &size),
                  ERROR_SUCCESS);
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        EXPECT_STREQ(text, value.expected);
    }

    remove();
    EXPECT_TRUE(record.IsNewInstallation());
    EXPECT_STREQ(RegistryInstallRecord::kProductKey, L"SOFTWARE\\Corvalith\\");
}

TEST(ProfileStorageOnWindows, SavesAndLoadsAProfileWithUnicodeCaptions) {
    TemporaryFolder folder;
    const std::string data = folder.Path() + "AppData\\Corvalith\\"; // not there yet
    Win32FileSystem real;
    IFileSystem& files = real;
    test::RecordingDebugOutput debug;
    FixedDataFolderLocator locator(data);
    test::StorageCollaborators effects;

    {
        ProfileSession session;
        ProfileStorage storage(session, {files, debug, locator, effects, effects, effects});
        storage.LoadProfile();
        storage.InitialiseIfNew();
        session.Working.SensitivityY = 8;
        session.Captions[2] = "鼠标中键";
        session.Captions[3] = "Zurück";
        storage.SaveProfile();
        storage.SaveCaptions("Setting-CHS");
    }
    ProfileSession session;
    ProfileStorage storage(session, {files, debug, locator, effects, effects, effects});
    storage.LoadProfile();
    storage.LoadCaptions("Setting-CHS");
    EXPECT_EQ(session.Working.SensitivityY, 8);
    EXPECT_EQ(session.Working.DpiValuesB[6], 120);
    EXPECT_EQ(session.Captions[2], "鼠标中键");
    EXPECT_EQ(session.Captions[3], "Zurück");

    // The text file is UTF-16LE with a byte-order mark, so the Windows profile calls read the same text.
    wchar_t caption[64] = {};
    const std::wstring textFile = WideString::FromUtf8(data + "str0.ini");
    GetPrivateProfileStringW(L"Setting-CHS", L"Item3", L"", caption, 64, textFile.c_str());
    EXPECT_STREQ(caption, L"鼠标中键");
    EXPECT_EQ(files.ReadFile(data + "config0.bin")->size(), ProfileFile::kSize);
}

} // namespace
} // namespace corvalith
