#include "assign/InstallationDefaults.h"
#include "doubles/MemoryFileSystem.h"
#include "doubles/RecordingDebugOutput.h"
#include "doubles/StorageCollaborators.h"
#include "doubles/TextFiles.h"
#include "lang/LanguageTable.h"
#include "platform/FixedDataFolderLocator.h"
#include "platform/TextCodec.h"
#include "profile/AssignmentKind.h"
#include "profile/ProfileStorage.h"

#include <gtest/gtest.h>

#include <cstring>

namespace corvalith {
namespace {

const std::string kFolder = "/home/u/.config/Corvalith/";

const char* const kCaptionSections = "[Setting-EN]\r\nItem1=Click\r\nItem2=Menu\r\nItem3=\"Scroll \"\r\n"
                                     "Item4=Back\r\nItem5=Forward\r\nItem6=DPI +\r\nItem7=DPI -\r\n"
                                     "[Setting-DE]\r\nItem1=Klick\r\nItem2=Menü\r\nItem3=Scrollen\r\n"
                                     "Item4=Zurück\r\nItem5=Vorwärts\r\nItem6=DPI +\r\nItem7=DPI -\r\n"
                                     "[Setting-CHS]\r\nItem1=左键\r\nItem2=右键\r\nItem3=中键\r\n"
                                     "Item4=后退方向键\r\nItem5=前进方向键\r\nItem6=DPI +\r\nItem7=DPI -\r\n"
                                     "[Setting-CHT]\r\nItem1=點擊\r\nItem2=選項\r\nItem3=滾輪\r\n"
                                     "Item4=後退\r\nItem5=前進\r\nItem6=DPI +\r\nItem7=DPI -\r\n";

TEST(InstallationDefaults, TextFilesCarryTheCodeAndEveryLanguagesCaptions) {
    struct Case {
        Language language;
        const char* code;
    };
    const Case cases[] = {{Language::SimplifiedChinese, "CHS"},
                          {Language::TraditionalChinese, "CHT"},
                          {Language::English, "EN"},
                          {Language::German, "DE"}};
    for (const Case& c : cases) {
        const std::string expected = std::string("[Skins]\r\nLan=") + c.code + "\r\n" + kCaptionSections;
        EXPECT_EQ(InstallationDefaults::TextFile(c.language), test::TextFiles::Utf16(expected)) << c.code;
    }
}

TEST(InstallationDefaults, WritesTheWholeDataFolder) {
    test::MemoryFileSystem files;
    files.requireFolder = true;
    ASSERT_EQ(InstallationDefaults::Write(files, kFolder, Language::German), 0);

    EXPECT_TRUE(files.folders.contains(kFolder));
    const char* const names[] = {"str.ini",  "str0.ini", "str1.ini", "str2.ini",
                                 "str3.ini", "str4.ini", "str5.ini", "config.bin"};
    EXPECT_EQ(files.files.size(), std::size(names));
    for (const char* name : names) {
        EXPECT_TRUE(files.FileExists(kFolder + name)) << name;
    }
    EXPECT_EQ(files.Get(kFolder + "str3.ini"), InstallationDefaults::TextFile(Language::German));

    const std::vector<std::uint8_t> base = files.Get(kFolder + "config.bin");
    ASSERT_EQ(base.size(), 1893u);
    EXPECT_EQ(base[0], 1);
    const ProfileSettings defaults = ProfileSettings::FactoryDefaults();
    EXPECT_EQ(std::memcmp(base.data() + 1, defaults.Bytes(), ProfileSettings::kSize), 0);
    EXPECT_EQ(base[1 + 177], 0); // button 1 clicks
    EXPECT_EQ(base[1 + 15], 6);  // first DPI stage 600 DPI
    EXPECT_EQ(base[1 + 329], 0); // no macros
    EXPECT_EQ(base[1 + 172], 0); // lift-off decided at the first start

    files.writeError = 13;
    EXPECT_EQ(InstallationDefaults::Write(files, kFolder, Language::English), 13);
}

// Laid down into a data folder in use, the defaults add what is missing and replace nothing.
TEST(InstallationDefaults, LayingDownKeepsWhatTheFolderHolds) {
    const std::string caption = "[Setting-EN]\r\nItem1=Snipe\r\n";
    struct Case {
        const char* name;
        std::vector<std::uint8_t> before; // str.ini and str0.ini
        std::vector<std::uint8_t> after;
    };
    const auto ascii = [](const std::string& text) {
        return std::vector<std::uint8_t>(text.begin(), text.end());
    };
    const Case cases[] = {
        // What a start without language code leaves: the marker alone, in a plain ASCII file. It gains
        // the code and the captions, and becomes UTF-16LE to hold the Chinese ones.
        {"marker only", ascii("[Profile]\r\nIsDefault=Y\r\n"),
         test::TextFiles::Utf16("[Profile]\r\nIsDefault=Y\r\n[Skins]\r\nLan=CHS\r\n" +
                                std::string(kCaptionSections))},
        // An unknown code is replaced; the user's caption stays.
        {"unknown code", test::TextFiles::Utf16("[Skins]\r\nLan=XX\r\n" + caption),
         test::TextFiles::Utf16(
             "[Skins]\r\nLan=CHS\r\n" + std::string("[Setting-EN]\r\nItem1=Snipe\r\n") +
             "Item2=Menu\r\nItem3=\"Scroll \"\r\nItem4=Back\r\nItem5=Forward\r\n"
             "Item6=DPI +\r\nItem7=DPI -\r\n" +
             std::string(kCaptionSections).substr(std::string(kCaptionSections).find("[Setting-DE]")))},
        // A complete folder of another language: nothing changes.
        {"complete", InstallationDefaults::TextFile(Language::German),
         InstallationDefaults::TextFile(Language::German)},
    };
    for (const Case& c : cases) {
        test::MemoryFileSystem files;
        files.requireFolder = true;
        files.CreateDirectories(kFolder);
        files.WriteFileAtomically(kFolder + "str.ini", c.before);
        files.WriteFileAtomically(kFolder + "str0.ini", c.before);
        const std::vector<std::uint8_t> profile(1893, 7);
        files.WriteFileAtomically(kFolder + "config0.bin", profile);

        ASSERT_EQ(InstallationDefaults::LayDown(files, kFolder, Language::SimplifiedChinese), 0) << c.name;
        EXPECT_EQ(files.Get(kFolder + "str.ini"), c.after) << c.name;
        EXPECT_EQ(files.Get(kFolder + "str0.ini"), c.after) << c.name;
        EXPECT_EQ(files.Get(kFolder + "str1.ini"),
                  InstallationDefaults::TextFile(Language::SimplifiedChinese))
            << c.name << ": a missing file is written whole";
        EXPECT_EQ(files.Get(kFolder + "config0.bin"), profile) << c.name;
        EXPECT_EQ(files.Get(kFolder + "config.bin"), InstallationDefaults::BaseProfile()) << c.name;
    }
}

// A first start on the laid-down folder finds its language and shows the captions of that language.
TEST(InstallationDefaults, AFreshInstallationShowsTextsAndCaptions) {
    struct Case {
        Language language;
        const char* row3;
        const char* row4;
    };
    const Case cases[] = {{Language::English, "Scroll ", "Back"},
                          {Language::German, "Scrollen", "Zurück"},
                          {Language::TraditionalChinese, "滾輪", "後退"}};
    for (const Case& c : cases) {
        test::MemoryFileSystem files;
        ASSERT_EQ(InstallationDefaults::Write(files, kFolder, c.language), 0);
        test::RecordingDebugOutput debug;
        FixedDataFolderLocator folders(kFolder);
        test::StorageCollaborators effects;
        ProfileSession session;
        ProfileStorage storage(session, {files, debug, folders, effects, effects, effects});

        storage.LoadProfile();
        LanguageTable table;
        table.Fill(LanguageCode::ReadFrom(storage.CurrentTextFile()));
        EXPECT_EQ(table.Code(), LanguageCode::CodeOf(c.language));
        storage.LoadCaptions(table.Text(TextEntry::SettingSection));
        storage.InitialiseIfNew();

        EXPECT_EQ(session.Captions[2], c.row3);
        EXPECT_EQ(session.Captions[3], c.row4);
        EXPECT_EQ(session.Captions[5], "DPI +");
        EXPECT_EQ(session.Captions[7], "");
        EXPECT_EQ(session.Working.ButtonAssignmentKind[3], static_cast<std::uint8_t>(AssignmentKind::Back));
    }
}

} // namespace
} // namespace corvalith
