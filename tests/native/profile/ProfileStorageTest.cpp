#include "profile/ProfileStorage.h"
#include "doubles/MemoryFileSystem.h"
#include "doubles/RecordingDebugOutput.h"
#include "doubles/StorageCollaborators.h"
#include "doubles/TextFiles.h"
#include "ini/IniFile.h"
#include "platform/FixedDataFolderLocator.h"
#include "profile/ProfileFile.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace corvalith {
namespace {

using test::MemoryFileSystem;
using test::RecordingDebugOutput;
using test::StorageCollaborators;

const std::string kFolder = "/data/Corvalith/";

// One running program's storage over a shared in-memory data folder; a new Program is a restart.
struct Program {
    explicit Program(MemoryFileSystem& files)
        : files(files), storage(session, {files, debug, folders, effects, effects, effects}) {}

    std::string Text(const std::string& file, const char* section, const char* key) {
        return ini::IniFile(files, kFolder + file).ReadString(section, key);
    }

    MemoryFileSystem& files;
    RecordingDebugOutput debug;
    FixedDataFolderLocator folders{kFolder};
    StorageCollaborators effects;
    ProfileSession session;
    ProfileStorage storage;
};

std::vector<std::uint8_t> PatternFile(std::size_t size) {
    std::vector<std::uint8_t> file(size);
    for (std::size_t i = 0; i < size; ++i) {
        file[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    if (size > 0) {
        file[0] = 1;
    }
    return file;
}

void WriteList(MemoryFileSystem& files, const std::string& body) {
    files.PutText(kFolder + "str.ini", body);
}

TEST(ProfileStorage, LoadsAtMostOneRecordFromFilesOfAnySize) {
    struct Case {
        std::size_t size;
        std::size_t copied;
        const char* line;
    };
    const Case cases[] = {
        {0, 0, "Program First Run Flag:0\nRead Size is: 0"},
        {1, 0, "Program First Run Flag:1\nRead Size is: 0"},
        {1892, 1891, "Program First Run Flag:1\nRead Size is: 1891"},
        {1893, 1892, "Program First Run Flag:1\nRead Size is: 1892"},
        {2000, 1892, "Program First Run Flag:1\nRead Size is: 1892"},
    };
    for (const Case& c : cases) {
        MemoryFileSystem files;
        WriteList(files, "[Profile]\r\nItemCount=1\r\nItem0=Main\r\nCurProfileName=Main\r\n");
        files.Put(kFolder + "config0.bin", PatternFile(c.size));
        Program program(files);
        std::memset(program.session.Working.Bytes(), 0x55, ProfileSettings::kSize);

        program.storage.LoadProfile();

        // The bytes read, over the record as it was, then brought into the pages' ranges.
        const std::vector<std::uint8_t> file = PatternFile(c.size);
        ProfileSettings expected;
        for (std::size_t i = 0; i < ProfileSettings::kSize; ++i) {
            expected.Bytes()[i] = i < c.copied ? file[i + 1] : 0x55;
        }
        expected.ClampToPageRanges();
        for (std::size_t i = 0; i < ProfileSettings::kSize; ++i) {
            ASSERT_EQ(program.session.Working.Bytes()[i], expected.Bytes()[i])
                << "size " << c.size << " offset " << i;
        }
        EXPECT_EQ(program.debug.lines, std::vector<std::string>{c.line}) << c.size;
        EXPECT_EQ(program.effects.log, std::vector<std::string>{"macros /data/Corvalith/record.ini"});
        EXPECT_EQ(program.storage.CurrentTextPath(), kFolder + "str0.ini");
    }
}

TEST(ProfileStorage, ProfileListChoosesTheCurrentProfile) {
    struct Case {
        const char* name;
        const char* list;
        bool savedProfile0; // config0.bin exists
        int indexBefore;
        int expectedIndex;
        const char* expectedText; // current text file after loading
        bool loads;
    };
    const Case cases[] = {
        {"count 0", "ItemCount=0\r\nItem0=A\r\nCurProfileName=A", false, 0, 0, "str.ini", false},
        {"count 7", "ItemCount=7\r\nItem0=A\r\nCurProfileName=A", false, 0, 0, "str.ini", false},
        {"count x", "ItemCount=x\r\nItem0=A\r\nCurProfileName=A", false, 0, 0, "str.ini", false},
        {"count missing", "Item0=A\r\nCurProfileName=A", false, 0, 0, "str.ini", false},
        {"later equal entry wins", "ItemCount=3\r\nItem0=A\r\nItem1=B\r\nItem2=A\r\nCurProfileName=A", false,
         0, 2, "str2.ini", true},
        {"case matters", "ItemCount=2\r\nItem0=a\r\nItem1=A\r\nCurProfileName=a", false, 1, 0, "str0.ini",
         true},
        {"no equal entry keeps the index", "ItemCount=2\r\nItem0=A\r\nItem1=B\r\nCurProfileName=C", false, 1,
         1, "str1.ini", true},
        {"entries past the count are ignored", "ItemCount=1\r\nItem0=A\r\nItem1=B\r\nCurProfileName=B", false,
         0, 0, "str0.ini", true},
        {"count 6", "ItemCount=6\r\nItem5=F\r\nCurProfileName=F", false, 0, 5, "str5.ini", true},
        // Without a valid list, a profile saved under the current index is still read back.
        {"count 7 with a saved profile", "ItemCount=7\r\nCurProfileName=A", true, 0, 0, "str0.ini", true},
        {"count missing with a saved profile", "CurProfileName=A", true, 0, 0, "str0.ini", true},
    };
    for (const Case& c : cases) {
        MemoryFileSystem files;
        WriteList(files, std::string("[Profile]\r\n") + c.list + "\r\n");
        if (c.savedProfile0) {
            files.Put(kFolder + "config0.bin", PatternFile(ProfileFile::kSize));
        }
        Program program(files);
        program.session.CurrentProfileIndex = static_cast<std::uint8_t>(c.indexBefore);

        program.storage.LoadProfile();

        EXPECT_EQ(program.session.CurrentProfileIndex, c.expectedIndex) << c.name;
        EXPECT_EQ(program.storage.CurrentTextPath(), kFolder + c.expectedText) << c.name;
        EXPECT_EQ(program.storage.ProfileListPath(), kFolder + "str.ini") << c.name;
        EXPECT_EQ(program.effects.log.size(), c.loads ? 1u : 0u) << c.name;
        if (!c.loads) {
            EXPECT_TRUE(program.debug.lines.empty()) << c.name;
            EXPECT_EQ(program.session.Working.SensitivityX, 0) << c.name;
        } else if (!c.savedProfile0 && c.expectedIndex != 0) {
            EXPECT_EQ(program.debug.lines, std::vector<std::string>{"Config file is not exist.\n"}) << c.name;
        }
    }
}

TEST(ProfileStorage, InitialiseIfNewFollowsTheMarkerAndTheProfileFile) {
    enum class Saved { None, Short, Full }; // config<n>.bin: missing, 1000 bytes, a whole profile
    const std::string list = "[Profile]\r\nItemCount=2\r\nItem0=A\r\nItem1=B\r\nCurProfileName=B\r\n";
    const std::string marked = "[Profile]\r\nIsDefault=Y\r\n";
    const char* captions = "[Setting-EN]\r\nItem1=Fire\r\n";
    struct Case {
        const char* name;
        std::optional<std::string> listFile; // str.ini
        std::optional<std::string> ownText;  // str<n>.ini of the current profile
        Saved saved;
        const char* marker; // the text file that says "IsDefault" = "Y" afterwards
        bool resets;
        std::vector<std::string> written; // the files written, in order
    };
    // Without a profile list the current profile is 0 and its marker lives in str.ini, while str0.ini
    // holds only the captions; with the list above it is profile 1, marked in str1.ini.
    const Case cases[] = {
        {"no list, marked, saved", marked, captions, Saved::Full, "str.ini", false, {}},
        {"no list, marked, file missing", marked, captions, Saved::None, "str.ini", true, {"config0.bin"}},
        {"no list, marked, file short", marked, std::nullopt, Saved::Short, "str.ini", true, {"config0.bin"}},
        {"no list, marked N",
         "[Profile]\r\nIsDefault=N\r\n",
         captions,
         Saved::Full,
         "str.ini",
         true,
         {"str.ini", "config0.bin"}},
        {"no list, marker missing",
         "[Skins]\r\nLan=EN\r\n",
         std::nullopt,
         Saved::None,
         "str.ini",
         true,
         {"str.ini", "config0.bin"}},
        {"no text file",
         std::nullopt,
         std::nullopt,
         Saved::None,
         "str.ini",
         true,
         {"str.ini", "config0.bin"}},
        {"list, marked, saved", list, marked, Saved::Full, "str1.ini", false, {}},
        {"list, only str.ini marked",
         list + "IsDefault=Y\r\n",
         captions,
         Saved::Full,
         "str1.ini",
         true,
         {"str1.ini", "config1.bin"}},
        {"list, marked, file missing", list, marked, Saved::None, "str1.ini", true, {"config1.bin"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryFileSystem files;
        files.requireFolder = true;
        const std::string number = c.listFile && c.listFile->starts_with(list) ? "1" : "0";
        if (c.listFile) {
            WriteList(files, *c.listFile);
        }
        if (c.ownText) {
            files.PutText(kFolder + "str" + number + ".ini", *c.ownText);
        }
        const std::vector<std::uint8_t> stored =
            PatternFile(c.saved == Saved::Short ? 1000 : ProfileFile::kSize);
        if (c.saved != Saved::None) {
            files.Put(kFolder + "config" + number + ".bin", stored);
        }
        Program program(files);
        std::memset(program.session.Working.Bytes(), 0x55, ProfileSettings::kSize);

        program.storage.LoadProfile();
        program.storage.InitialiseIfNew();

        std::vector<std::string> written;
        for (const std::string& name : c.written) {
            written.push_back(kFolder + name);
        }
        EXPECT_EQ(files.written, written);
        EXPECT_EQ(program.Text(c.marker, "Profile", "IsDefault"), "Y");
        const ProfileSettings& working = program.session.Working;
        if (c.resets) {
            EXPECT_EQ(working.SensitivityX, 5);
            const std::vector<std::uint8_t> saved = files.Get(kFolder + "config" + number + ".bin");
            ASSERT_EQ(saved.size(), 1893u);
            EXPECT_EQ(saved[1 + 15 + 6], 120); // DpiValuesB[6]
            EXPECT_EQ(0, std::memcmp(saved.data() + 1, working.Bytes(), ProfileSettings::kSize));
            EXPECT_EQ(program.debug.lines.back(), "Data num:1 BYTE -1892 BYTE\n Struct size:1892 BYTE");
        } else {
            ProfileSettings read;
            std::memcpy(read.Bytes(), stored.data() + 1, ProfileSettings::kSize);
            read.ClampToPageRanges();
            EXPECT_EQ(0, std::memcmp(working.Bytes(), read.Bytes(), ProfileSettings::kSize));
        }
        if (c.listFile && c.listFile->find("Lan=EN") != std::string::npos) {
            EXPECT_EQ(program.Text("str.ini", "Skins", "Lan"), "EN") << "other lines are kept";
        }
    }
}

TEST(ProfileStorage, SettingsAndCaptionsSurviveRestartsWithoutAProfileList) {
    MemoryFileSystem files;
    files.requireFolder = true; // a fresh data folder that does not exist yet
    // What an installation may lay down: str.ini alone with the language and default captions, no list.
    WriteList(files, "[Skins]\r\nLan=EN\r\n[Setting-EN]\r\nItem1=Click\r\nItem2=Menu\r\n");
    {
        Program first(files);
        first.storage.LoadProfile();
        first.storage.LoadCaptions("Setting-EN");
        first.storage.InitialiseIfNew();
        EXPECT_EQ(first.session.Captions[0], "Click");
        EXPECT_EQ(first.session.Working.SensitivityX, 5);

        // The user changes a setting and a caption; every change is saved at once.
        first.session.Working.SensitivityX = 9;
        first.session.Captions[0] = "Forward";
        first.storage.SaveProfile();
        first.storage.SaveCaptions("Setting-EN");
    }
    for (int restart = 0; restart < 2; ++restart) {
        Program next(files);
        next.storage.LoadProfile();
        EXPECT_EQ(next.storage.ReadLanguageCode(), "EN") << "the installation's language stays";
        next.storage.LoadCaptions("Setting-EN");
        next.storage.InitialiseIfNew();
        EXPECT_EQ(next.session.Working.SensitivityX, 9) << restart;
        EXPECT_EQ(next.session.Captions[0], "Forward") << restart;
        EXPECT_EQ(next.session.Captions[1], "Menu") << restart;
        EXPECT_EQ(next.storage.CurrentTextPath(), kFolder + "str0.ini") << restart;
    }
}

TEST(ProfileStorage, CaptionsComeOnlyFromTheCurrentLanguage) {
    MemoryFileSystem files;
    WriteList(files, "[Setting-EN]\r\nItem1=Click\r\nItem8=Eight\r\n[Setting-DE]\r\nItem1=Klick\r\n");
    Program program(files);
    program.session.Captions.fill("old");

    program.storage.LoadCaptions("Setting-DE");
    EXPECT_EQ(program.session.Captions[0], "Klick");
    EXPECT_EQ(program.session.Captions[1], "");
    EXPECT_EQ(program.session.Captions[7], "");

    program.storage.LoadCaptions("Setting-EN");
    EXPECT_EQ(program.session.Captions[0], "Click");
    EXPECT_EQ(program.session.Captions[7], "Eight");

    program.session.Captions = {"a", "Scroll ", " c", "\"d\"", "e", "f", "g", "h"};
    program.storage.SaveProfile(); // str0.ini becomes the current text file
    program.storage.SaveCaptions("Setting-CHS");
    const ini::IniDocument saved = ini::IniFile(files, kFolder + "str0.ini").Load();
    EXPECT_EQ(saved.GetString("Setting-CHS", "Item1"), "a");
    EXPECT_EQ(saved.GetString("Setting-CHS", "Item7"), "g");
    // Blanks and quotes at either end survive the round trip.
    EXPECT_EQ(saved.GetString("Setting-CHS", "Item2"), "Scroll ");
    EXPECT_EQ(saved.GetString("Setting-CHS", "Item3"), " c");
    EXPECT_EQ(saved.GetString("Setting-CHS", "Item4"), "\"d\"");
    EXPECT_FALSE(saved.HasKey("Setting-CHS", "Item8"));
    EXPECT_FALSE(saved.HasSection("Setting-EN"));
}

TEST(ProfileStorage, SaveCaptionsReplacesTheTextFileOnceInItsOwnEncoding) {
    using Bytes = std::vector<std::uint8_t>;
    using Captions = std::array<std::string, ProfileSettings::kButtonSlots>;
    const auto text = [](std::string_view bytes) { return Bytes(bytes.begin(), bytes.end()); };
    const Captions german = {"Klick", "Menü", "Scrollen", "Zurück", "Vorwärts", "DPI +", " Snipe", "nie"};
    const Captions chinese = {"左键单击", "右键菜单", "中键", "后退", "前进", "DPI 循环", "狙击", "从不"};
    const Captions english = {"Click", "Menu", "Scroll", "Back", "Forward", "", "Snipe", "never"};
    struct Case {
        const char* name;
        std::optional<Bytes> before; // str.ini; none when missing
        const char* section;
        Captions captions;
        Bytes after;
    };
    const Case cases[] = {
        {"Windows-1252: the other lines byte for byte, new keys after the section's last line",
         text("; Tasten f\xFCr Profil 1\r\n[Skins]\r\nLan=DE\r\n[Setting-DE]\r\nItem2 = Men\xFC alt\r\n"
              "Item8=Acht\r\n\r\n[Profile]\r\nIsDefault=Y\r\n"),
         "Setting-DE", german,
         text("; Tasten f\xFCr Profil 1\r\n[Skins]\r\nLan=DE\r\n[Setting-DE]\r\nItem2=Men\xFC\r\n"
              "Item8=Acht\r\nItem1=Klick\r\nItem3=Scrollen\r\nItem4=Zur\xFC"
              "ck\r\nItem5=Vorw\xE4rts\r\nItem6=DPI +\r\nItem7=\" "
              "Snipe\"\r\n\r\n[Profile]\r\nIsDefault=Y\r\n")},
        {"UTF-16LE stays UTF-16LE",
         test::TextFiles::Utf16(u"[Skins]\r\nLan=CHS\r\n[Setting-CHS]\r\nItem1=左键\r\nItem7=狙击\r\n"),
         "Setting-CHS", chinese,
         test::TextFiles::Utf16(
             u"[Skins]\r\nLan=CHS\r\n[Setting-CHS]\r\nItem1=左键单击\r\nItem7=狙击\r\n"
             u"Item2=右键菜单\r\nItem3=中键\r\nItem4=后退\r\nItem5=前进\r\nItem6=DPI 循环\r\n")},
        {"ASCII read as Windows-1252 becomes UTF-16LE for Chinese captions",
         text("[Skins]\r\nLan=CHS\r\n; captions\r\n"), "Setting-CHS", chinese,
         test::TextFiles::Utf16(
             u"[Skins]\r\nLan=CHS\r\n; captions\r\n[Setting-CHS]\r\nItem1=左键单击\r\n"
             u"Item2=右键菜单\r\nItem3=中键\r\nItem4=后退\r\nItem5=前进\r\nItem6=DPI 循环\r\n"
             u"Item7=狙击\r\n")},
        {"UTF-8 stays UTF-8, also when the caption that held its only umlaut is replaced",
         text("[Skins]\r\nLan=DE\r\n[Setting-DE]\r\nItem1=Zur\xC3\xBC"
              "ck\r\n"),
         "Setting-DE", german,
         text("[Skins]\r\nLan=DE\r\n[Setting-DE]\r\nItem1=Klick\r\nItem2=Men\xC3\xBC\r\nItem3=Scrollen\r\n"
              "Item4=Zur\xC3\xBC"
              "ck\r\nItem5=Vorw\xC3\xA4rts\r\nItem6=DPI +\r\nItem7=\" Snipe\"\r\n")},
        {"a missing file is created as UTF-16LE", std::nullopt, "Setting-EN", english,
         test::TextFiles::Utf16(u"[Setting-EN]\r\nItem1=Click\r\nItem2=Menu\r\nItem3=Scroll\r\nItem4=Back\r\n"
                                u"Item5=Forward\r\nItem6=\r\nItem7=Snipe\r\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryFileSystem files;
        files.requireFolder = true; // the data folder is created before the write
        if (c.before) {
            files.Put(kFolder + "str.ini", *c.before);
        }
        Program program(files);
        program.session.Captions = c.captions;

        program.storage.SaveCaptions(c.section);

        EXPECT_EQ(files.written, std::vector<std::string>{kFolder + "str.ini"});
        EXPECT_EQ(files.Get(kFolder + "str.ini"), c.after);
    }
}

TEST(ProfileStorage, SaveReportsItsResultOnTheDebugOutput) {
    MemoryFileSystem files;
    Program program(files);
    program.session.CurrentProfileIndex = 4;
    program.session.Working = ProfileSettings::FactoryDefaults();

    files.writeError = 5;
    program.storage.SaveProfile();
    EXPECT_EQ(program.debug.lines, std::vector<std::string>{"Error Code is: 5 \n"});
    EXPECT_FALSE(files.FileExists(kFolder + "config4.bin"));

    files.writeError = 0;
    program.storage.SaveProfile();
    EXPECT_EQ(program.debug.lines.back(), "Data num:1 BYTE -1892 BYTE\n Struct size:1892 BYTE");
    const std::vector<std::uint8_t> saved = files.Get(kFolder + "config4.bin");
    ASSERT_EQ(saved.size(), 1893u);
    EXPECT_EQ(saved[0], 1);
    EXPECT_EQ(saved[1 + 15 + 6], 120); // DpiValuesB[6]
    EXPECT_EQ(saved[1 + 177 + 7], 13); // slot 7 deactivated
    EXPECT_EQ(program.storage.CurrentBinaryPath(), kFolder + "config4.bin");
    EXPECT_EQ(program.storage.CurrentTextPath(), kFolder + "str4.ini");
}

TEST(ProfileStorage, MissingProfileFileLeavesTheProfileAlone) {
    MemoryFileSystem files;
    WriteList(files, "[Profile]\r\nItemCount=2\r\nItem0=A\r\nItem1=B\r\nCurProfileName=B\r\n");
    Program program(files);
    program.session.Working.SensitivityY = 77;
    program.storage.LoadProfile();
    EXPECT_EQ(program.debug.lines, std::vector<std::string>{"Config file is not exist.\n"});
    EXPECT_EQ(program.session.Working.SensitivityY, 77);
    EXPECT_EQ(program.storage.CurrentBinaryPath(), kFolder + "config1.bin");
}

TEST(ProfileStorage, FactoryResetKeepsMacrosIndexAndLiftOffSwitch) {
    for (const bool connected : {true, false}) {
        MemoryFileSystem files;
        WriteList(files, "[Profile]\r\nItemCount=4\r\nItem3=D\r\nCurProfileName=D\r\n"
                         "[Setting-EN]\r\nItem1=Click\r\n");
        // The base profile: loaded first, then overwritten with the defaults.
        ProfileSettings base{};
        std::memset(base.Bytes(), 0x33, ProfileSettings::kSize);
        files.Put(kFolder + "config.bin", ProfileFile::Encode(base));
        Program program(files);
        program.effects.connected = connected;
        program.effects.watched = &program.session.Working;
        program.session.CurrentProfileIndex = 3;
        ProfileSettings& working = program.session.Working;
        working = ProfileSettings::FactoryDefaults();
        working.ProfileIndex = 3;
        working.LiftOffEnabled = 1;
        working.SensitivityX = 10;
        std::memset(working.MacroBlockTable, 0x77, sizeof working.MacroBlockTable);
        program.session.Captions[0] = "Snipe";

        program.storage.FactoryReset("Setting-EN");

        ProfileSettings expected;
        std::memset(expected.Bytes(), 0x33, ProfileSettings::kSize);
        expected.ResetToFactoryDefaults();
        expected.ProfileIndex = 3;
        expected.LiftOffEnabled = 1;
        std::memset(expected.MacroBlockTable, 0x77, sizeof expected.MacroBlockTable);
        EXPECT_EQ(0, std::memcmp(working.Bytes(), expected.Bytes(), ProfileSettings::kSize)) << connected;
        EXPECT_EQ(0, std::memcmp(program.session.AppliedSnapshot.Bytes(), expected.Bytes(),
                                 ProfileSettings::kSize));
        EXPECT_EQ(files.Get(kFolder + "config3.bin"), ProfileFile::Encode(expected));
        EXPECT_EQ(program.session.Captions[0], "Click");
        EXPECT_EQ(program.Text("str3.ini", "Setting-EN", "Item1"), "Click");
        EXPECT_FALSE(program.storage.IsBusy());

        std::vector<std::string> log = {"macros /data/Corvalith/record.ini"};
        if (connected) {
            log.push_back("upload index=3 liftoff=1");
            log.push_back("lift-off");
        }
        log.push_back("pointer speed=6");
        EXPECT_EQ(program.effects.log, log);
        EXPECT_EQ(program.debug.lines.front(), "Program First Run Flag:1\nRead Size is: 1892");
    }
}

TEST(ProfileStorage, BaseProfileComesFromConfigBin) {
    MemoryFileSystem files;
    WriteList(files, "[Profile]\r\nItemCount=2\r\nItem1=B\r\nCurProfileName=B\r\n");
    ProfileSettings base = ProfileSettings::FactoryDefaults();
    base.PointerSpeed = 9;
    files.Put(kFolder + "config.bin", ProfileFile::Encode(base));
    files.Put(kFolder + "config1.bin", ProfileFile::Encode(ProfileSettings{}));
    Program program(files);

    program.storage.LoadBaseProfile();
    EXPECT_EQ(program.session.Working.PointerSpeed, 9);
    EXPECT_EQ(program.storage.CurrentTextPath(), kFolder + "str.ini");
    EXPECT_FALSE(program.storage.IsBusy());
}

} // namespace
} // namespace corvalith
