#include "profile/ProfileOperations.h"

#include "doubles/MemoryFileSystem.h"
#include "doubles/RecordingDebugOutput.h"
#include "doubles/ScriptedPrompts.h"
#include "doubles/StorageCollaborators.h"
#include "ini/IniFile.h"
#include "platform/FixedDataFolderLocator.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileList.h"
#include "profile/ProfileListStore.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace corvalith {
namespace {

using test::MemoryFileSystem;

const std::string kFolder = "/data/Corvalith/";
const std::string kSection = "Setting-EN";

// A profile file whose record bytes all hold `fill`, with a lift-off switch of `liftOff`. The values a
// load brings into their pages' ranges hold 4 (250 Hz, level 4, 4 lines, 400 DPI...), so that a profile
// read and saved again keeps every byte.
std::vector<std::uint8_t> ProfileBytes(std::uint8_t fill, std::uint8_t liftOff, std::size_t size = 1893) {
    std::vector<std::uint8_t> bytes(size, fill);
    bytes[0] = 1;
    for (std::size_t i = 173; i < 177 && i < size; ++i) { // LiftOffEnabled: record offset 172, 4 bytes
        bytes[i] = i == 173 ? liftOff : 0;
    }
    // Record offsets: polling 5, the sent DPI codes 15..21, pointer speed, lines, double click 163..165,
    // sensitivity 169 and 170, lift-off level 176.
    for (const std::size_t offset : {5, 15, 16, 17, 18, 19, 20, 21, 163, 164, 165, 169, 170, 176}) {
        if (offset + 1 < size) {
            bytes[offset + 1] = 4;
        }
    }
    return bytes;
}

class WindowLog : public IProfileWindow {
public:
    void ShowLoadedProfile() override { log.push_back("show"); }
    void CloseProfileManager() override { log.push_back("close"); }
    std::vector<std::string> log;
};

// A running program with three stored profiles: profile n's record bytes are all 0x10 + n, with the
// lift-off switch off, and its captions name it. The list's current entry (A unless given) is loaded,
// its lift-off switch on.
struct Program {
    explicit Program(const std::string& current = "A") {
        files.PutText(kFolder + "str.ini", "[Profile]\r\nItemCount=3\r\nItem0=A\r\nItem1=B\r\nItem2=C\r\n"
                                           "CurProfileName=" +
                                               current + "\r\n[Skins]\r\nLan=EN\r\n");
        for (int n = 0; n < 3; ++n) {
            const std::string number = std::to_string(n);
            files.Put(kFolder + "config" + number + ".bin",
                      ProfileBytes(static_cast<std::uint8_t>(0x10 + n), 0));
            files.PutText(kFolder + "str" + number + ".ini",
                          "[Profile]\r\nIsDefault=Y\r\n[Setting-EN]\r\nItem1=Key " + number + "\r\n");
        }
        storage.LoadProfile();
        storage.LoadCaptions(kSection);
        session.Working.LiftOffEnabled = 1;
        files.written.clear();
        effects.log.clear();
    }

    void Run(ProfileOperations::Operation operation, int position) {
        operations.Run(operation, position, kSection, nullptr, window);
    }

    MemoryFileSystem files;
    test::RecordingDebugOutput debug;
    FixedDataFolderLocator folders{kFolder};
    test::StorageCollaborators effects;
    test::ScriptedPrompts prompts;
    ProfileSession session;
    ProfileStorage storage{session, {files, debug, folders, effects, effects, effects}};
    ProfileOperations operations{session, {storage, files, prompts, effects, effects, debug}};
    WindowLog window;
};

TEST(ProfileOperations, ImportTakesOnlyWholeProfilesAndKeepsTheLiftOffSwitch) {
    using Op = ProfileOperations::Operation;
    constexpr std::size_t kMiB = 1024 * 1024;
    struct Case {
        const char* name;
        std::optional<std::string> chosen;
        std::size_t size;         // of the chosen .bin; 0: not there
        std::size_t captionBytes; // of the .ini beside it, padded with blank lines; 0: not there
        bool taken;
        std::string captionAfter;
    };
    const Case cases[] = {
        {"1893 bytes", "/backup/mine.bin", 1893, 64, true, "Imported"},
        {"1893 bytes without captions", "/backup/mine.bin", 1893, 0, true, "Key 0"},
        {"1892 bytes", "/backup/mine.bin", 1892, 64, false, "Imported"},
        {"1894 bytes", "/backup/mine.bin", 1894, 64, false, "Imported"},
        {"cancelled", std::nullopt, 1893, 64, false, "Key 0"},
        {"not a .bin", "/backup/mine.dat", 1893, 64, false, "Key 0"},
        {"missing", "/backup/mine.bin", 0, 64, false, "Key 0"},
        {"an upper-case extension, as an export names it", "/backup/Backup.BIN", 1893, 64, true, "Imported"},
        {"only the folder named .bin", "/backup/x.bin/notes.txt", 1893, 64, false, "Key 0"},
        {"captions file of 1 MiB", "/backup/mine.bin", 1893, kMiB, true, "Imported"},
        {"captions file over 1 MiB, taken as missing", "/backup/mine.bin", 1893, kMiB + 1, true, "Key 0"},
    };
    for (const Case& c : cases) {
        Program program;
        const std::string path = c.chosen.value_or("/backup/mine.bin");
        if (c.size > 0) {
            program.files.Put(path, ProfileBytes(0x77, 0, c.size));
        }
        if (c.captionBytes > 0) {
            std::string text = "[Setting-EN]\r\nItem1=Imported\r\n";
            text.resize(c.captionBytes, '\n');
            program.files.PutText(ProfileOperations::CaptionPath(path), text);
        }
        program.prompts.fileAnswers.push_back(c.chosen);
        const auto config0 = program.files.Get(kFolder + "config0.bin");

        program.Run(Op::Import, 0);

        ASSERT_EQ(program.prompts.questions.size(), 1u) << c.name;
        EXPECT_EQ(program.prompts.questions[0].caption, "Gaming Mouse Profile(*.bin)|*.bin||");
        EXPECT_EQ(program.prompts.questions[0].text, kFolder + "config0.bin");
        EXPECT_EQ(program.prompts.questions[0].flags, 0x1006u);
        EXPECT_EQ(program.session.Captions[0], c.captionAfter) << c.name;
        EXPECT_EQ(program.session.Working.LiftOffEnabled, 1u) << c.name;
        EXPECT_EQ(program.session.ImportDone, c.taken) << c.name;
        if (c.taken) {
            EXPECT_EQ(program.files.Get(kFolder + "config0.bin"), ProfileBytes(0x77, 1)) << c.name;
            EXPECT_EQ(program.session.Working.AngleSnapAngle, 0x77) << c.name;
        } else {
            EXPECT_EQ(program.files.Get(kFolder + "config0.bin"), config0) << c.name;
            EXPECT_EQ(program.session.Working.AngleSnapAngle, 0x10) << c.name;
        }
        // No other profile's files are touched.
        EXPECT_EQ(program.files.Get(kFolder + "config1.bin"), ProfileBytes(0x11, 0)) << c.name;
        EXPECT_EQ(program.files.Get(kFolder + "config2.bin"), ProfileBytes(0x12, 0)) << c.name;
    }
}

// An import into another entry than the loaded one fills that entry and makes it the loaded one; the
// previously loaded entry is really loaded again when it is selected afterwards.
TEST(ProfileOperations, AnImportedEntryIsTheLoadedOne) {
    using Op = ProfileOperations::Operation;
    Program program;
    program.files.Put("/backup/mine.bin", ProfileBytes(0x77, 0));
    program.prompts.fileAnswers.push_back("/backup/mine.bin");
    program.session.NewEntryFlags[2] = true;

    program.Run(Op::Import, 2);
    EXPECT_EQ(program.files.Get(kFolder + "config2.bin"), ProfileBytes(0x77, 1));
    EXPECT_EQ(program.files.Get(kFolder + "config0.bin"), ProfileBytes(0x10, 0));
    EXPECT_EQ(ini::IniFile(program.files, kFolder + "str2.ini").ReadString("Profile", "IsDefault"), "Y");
    EXPECT_FALSE(program.session.NewEntryFlags[2]); // closing will not create it over the import

    program.window.log.clear();
    program.Run(Op::Select, 2); // closing with the imported entry chosen: nothing to load
    EXPECT_EQ(program.window.log, (std::vector<std::string>{"close"}));
    EXPECT_EQ(program.session.Working.AngleSnapAngle, 0x77);

    program.Run(Op::Select, 0);
    EXPECT_EQ(program.session.Working.AngleSnapAngle, 0x10);
    EXPECT_EQ(program.session.Captions[0], "Key 0");
    EXPECT_EQ(program.session.Working.LiftOffEnabled, 1u);
}

TEST(ProfileOperations, ExportWritesTheChosenEntrysPairAndChangesNothingElse) {
    using Op = ProfileOperations::Operation;
    struct Case {
        const char* chosen;
        int position;
        const char* binary;
        const char* captions;
        std::uint8_t fill;
        const char* caption;
    };
    const Case cases[] = {
        {"/backup/name", 0, "/backup/name.bin", "/backup/name.ini", 0x10, "Key 0"},
        {"/backup/name.bin", 0, "/backup/name.bin", "/backup/name.ini", 0x10, "Key 0"},
        {"/backup/NAME.BIN", 1, "/backup/NAME.BIN", "/backup/NAME.ini", 0x11, "Key 1"},
        {"/backup.bin/name", 2, "/backup.bin/name.bin", "/backup.bin/name.ini", 0x12, "Key 2"},
        {"/backup/name.v2", 1, "/backup/name.v2.bin", "/backup/name.v2.ini", 0x11, "Key 1"},
    };
    for (const Case& c : cases) {
        Program program;
        program.effects.connected = true;
        program.prompts.fileAnswers.push_back(c.chosen);
        const ProfileSettings working = program.session.Working;

        program.Run(Op::Export, c.position);

        ASSERT_EQ(program.prompts.questions.size(), 1u);
        EXPECT_EQ(program.prompts.questions[0].kind, test::ScriptedPrompts::Kind::SaveFile);
        // The entry's own settings, with the lift-off switch the working profile has.
        EXPECT_EQ(program.files.Get(c.binary), ProfileBytes(c.fill, 1)) << c.chosen;
        EXPECT_EQ(ini::IniFile(program.files, c.captions).ReadString(kSection, "Item1"), c.caption)
            << c.chosen;
        EXPECT_EQ(program.files.written, (std::vector<std::string>{c.captions, c.binary})) << c.chosen;
        EXPECT_EQ(std::memcmp(program.session.Working.Bytes(), working.Bytes(), ProfileSettings::kSize), 0);
        EXPECT_EQ(program.session.Captions[0], "Key 0");
        EXPECT_TRUE(program.effects.log.empty()) << c.chosen; // nothing sent to the mouse
        EXPECT_TRUE(program.window.log.empty());
    }
    Program cancelled;
    cancelled.Run(Op::Export, 1);
    EXPECT_TRUE(cancelled.files.written.empty());
}

TEST(ProfileOperations, SelectAndCreateLoadTheEntryAndKeepTheLiftOffSwitch) {
    using Op = ProfileOperations::Operation;
    Program program;
    program.effects.connected = true;
    program.effects.watched = &program.session.Working;

    program.Run(Op::Select, 0); // already loaded
    EXPECT_EQ(program.window.log, (std::vector<std::string>{"close"}));
    EXPECT_TRUE(program.effects.log.empty());

    program.window.log.clear();
    program.Run(Op::Select, 1);
    EXPECT_EQ(program.window.log, (std::vector<std::string>{"show", "close"}));
    EXPECT_EQ(program.session.Working.AngleSnapAngle, 0x11);
    EXPECT_EQ(program.session.Captions[0], "Key 1");
    EXPECT_EQ(program.session.LoadedProfileIndex, 1);
    // The whole profile, then the lift-off command it does not carry, then the pointer settings.
    EXPECT_EQ(program.effects.log,
              (std::vector<std::string>{"macros /data/Corvalith/record.ini", "upload index=1 liftoff=1",
                                        "lift-off", "pointer speed=4"}));

    // A new entry at position 3 starts from the factory defaults and is marked initialised.
    program.effects.connected = false;
    program.Run(Op::Create, 3);
    EXPECT_EQ(program.session.Working.SensitivityX, 5);
    EXPECT_EQ(program.session.Working.LiftOffEnabled, 1u);
    EXPECT_EQ(program.files.Get(kFolder + "config3.bin"), ProfileFile::Encode(program.session.Working));
    EXPECT_EQ(program.files.Get(kFolder + "config3.bin")[1], 3); // ProfileIndex
    EXPECT_EQ(ini::IniFile(program.files, kFolder + "str3.ini").ReadString("Profile", "IsDefault"), "Y");

    // The tray's quick switch loads an entry the same way and sends only what differs from the mouse.
    program.effects.connected = true;
    program.effects.log.clear();
    program.operations.Select(1, kSection, program.window, ProfileOperations::MouseWrite::Changes);
    EXPECT_EQ(program.session.LoadedProfileIndex, 1);
    EXPECT_EQ(program.effects.log, (std::vector<std::string>{"macros /data/Corvalith/record.ini",
                                                             "switch index=1 liftoff=1", "pointer speed=4"}));
}

// A program started on any entry works on that entry's files: the profile manager closed without a
// choice loads nothing, a change is saved to that entry alone, and entry 0's export and captions-only
// import take entry 0's own files.
TEST(ProfileOperations, AStartOnAnyEntryWorksOnThatEntryAlone) {
    using Op = ProfileOperations::Operation;
    for (const int start : {0, 1, 2}) {
        Program program(std::string(1, static_cast<char>('A' + start)));
        EXPECT_EQ(program.session.LoadedProfileIndex, start);
        program.Run(Op::Select, start);
        EXPECT_EQ(program.window.log, std::vector<std::string>{"close"}) << start;

        program.prompts.fileAnswers.push_back("/backup/zero");
        program.Run(Op::Export, 0);
        EXPECT_EQ(program.files.Get("/backup/zero.bin"), ProfileBytes(0x10, 1)) << start;
        program.files.Put("/backup/captions.bin", std::vector<std::uint8_t>(10, 0)); // not a whole profile
        program.files.PutText("/backup/captions.ini", "[Setting-EN]\r\nItem1=Imported\r\n");
        program.prompts.fileAnswers.push_back("/backup/captions.bin");
        program.Run(Op::Import, 0);
        EXPECT_EQ(ini::IniFile(program.files, kFolder + "str0.ini").ReadString(kSection, "Item1"),
                  "Imported");
        EXPECT_EQ(program.session.Captions[0], start == 0 ? "Imported" : "Key " + std::to_string(start));

        program.session.Working.AngleSnapAngle = 0x55;
        program.storage.SaveProfile();
        for (int n = 0; n < 3; ++n) {
            std::vector<std::uint8_t> expected = ProfileBytes(static_cast<std::uint8_t>(0x10 + n), 0);
            if (n == start) {
                expected[1 + 166] = 0x55; // AngleSnapAngle, with the working profile's lift-off switch
                expected[1 + 172] = 1;
            }
            EXPECT_EQ(program.files.Get(kFolder + "config" + std::to_string(n) + ".bin"), expected) << start;
        }
    }
}

// After a delete moved the loaded profile's files up, a captions-only import into it writes its own
// moved text file, not the one it was read from (which now holds the next profile's captions).
TEST(ProfileOperations, CaptionsFollowTheLoadedProfileWhenADeleteMovedIt) {
    Program program("B");
    ProfileListStore store(program.files, kFolder);
    ProfileList list = store.Read(program.session);
    list.Select(0);
    ASSERT_TRUE(list.DeleteSelected());
    const ProfileListStore::CloseAction action = store.Save(list, program.session);
    program.Run(ProfileOperations::Operation::Select, action.Position); // B, still loaded, now entry 0
    ASSERT_EQ(program.session.LoadedProfileIndex, 0);

    program.files.Put("/backup/captions.bin", std::vector<std::uint8_t>(10, 0)); // not a whole profile
    program.files.PutText("/backup/captions.ini", "[Setting-EN]\r\nItem1=Imported\r\n");
    program.prompts.fileAnswers.push_back("/backup/captions.bin");
    program.Run(ProfileOperations::Operation::Import, 0);

    EXPECT_EQ(ini::IniFile(program.files, kFolder + "str0.ini").ReadString(kSection, "Item1"), "Imported");
    EXPECT_EQ(ini::IniFile(program.files, kFolder + "str1.ini").ReadString(kSection, "Item1"), "Key 2");
}

} // namespace
} // namespace corvalith
