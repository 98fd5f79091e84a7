#include "profile/ProfileOperations.h"

#include "doubles/MemoryFileSystem.h"
#include "doubles/RecordingDebugOutput.h"
#include "doubles/ScriptedPrompts.h"
#include "doubles/StorageCollaborators.h"
#include "ini/IniFile.h"
#include "platform/FixedDataFolderLocator.h"
#include "profile/ProfileFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace corvalith {
namespace {

using test::MemoryFileSystem;

const std::string kFolder = "/data/Corvalith/";
const std::string kSection = "Setting-EN";

// A profile file whose record bytes all hold `fill`, with a lift-off switch of `liftOff`.
std::vector<std::uint8_t> ProfileBytes(std::uint8_t fill, std::uint8_t liftOff, std::size_t size = 1893) {
    std::vector<std::uint8_t> bytes(size, fill);
    bytes[0] = 1;
    for (std::size_t i = 173; i < 177 && i < size; ++i) { // LiftOffEnabled: record offset 172, 4 bytes
        bytes[i] = i == 173 ? liftOff : 0;
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
// lift-off switch off, and its captions name it. Profile 0 is loaded, its lift-off switch on.
struct Program {
    Program() {
        files.PutText(kFolder + "str.ini", "[Profile]\r\nItemCount=3\r\nItem0=A\r\nItem1=B\r\nItem2=C\r\n"
                                           "CurProfileName=A\r\n[Skins]\r\nLan=EN\r\n");
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
    ProfileOperations operations{session, {storage, files, prompts, effects, debug}};
    WindowLog window;
};

TEST(ProfileOperations, ImportTakesOnlyWholeProfilesAndKeepsTheLiftOffSwitch) {
    using Op = ProfileOperations::Operation;
    struct Case {
        const char* name;
        std::optional<std::string> chosen;
        std::size_t size; // of the chosen .bin; 0: not there
        bool withCaptions;
        bool taken;
        std::string captionAfter;
    };
    const Case cases[] = {
        {"1893 bytes", "/backup/mine.bin", 1893, true, true, "Imported"},
        {"1893 bytes without captions", "/backup/mine.bin", 1893, false, true, "Key 0"},
        {"1892 bytes", "/backup/mine.bin", 1892, true, false, "Imported"},
        {"1894 bytes", "/backup/mine.bin", 1894, true, false, "Imported"},
        {"cancelled", std::nullopt, 1893, true, false, "Key 0"},
        {"not a .bin", "/backup/mine.dat", 1893, true, false, "Key 0"},
        {"missing", "/backup/mine.bin", 0, true, false, "Key 0"},
    };
    for (const Case& c : cases) {
        Program program;
        if (c.size > 0) {
            program.files.Put("/backup/mine.bin", ProfileBytes(0x77, 0, c.size));
            program.files.Put("/backup/mine.dat", ProfileBytes(0x77, 0, c.size));
        }
        if (c.withCaptions) {
            program.files.PutText("/backup/mine.ini", "[Setting-EN]\r\nItem1=Imported\r\n");
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
            EXPECT_EQ(program.session.Working.SensitivityX, 0x77) << c.name;
        } else {
            EXPECT_EQ(program.files.Get(kFolder + "config0.bin"), config0) << c.name;
            EXPECT_EQ(program.session.Working.SensitivityX, 0x10) << c.name;
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
    EXPECT_EQ(program.session.Working.SensitivityX, 0x77);

    program.Run(Op::Select, 0);
    EXPECT_EQ(program.session.Working.SensitivityX, 0x10);
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
    EXPECT_EQ(program.session.Working.SensitivityX, 0x11);
    EXPECT_EQ(program.session.Captions[0], "Key 1");
    EXPECT_EQ(program.session.LoadedProfileIndex, 1);
    ASSERT_FALSE(program.effects.log.empty());
    EXPECT_EQ(program.effects.log.back(), "upload index=1 liftoff=1");

    // A new entry at position 3 starts from the factory defaults and is marked initialised.
    program.effects.connected = false;
    program.Run(Op::Create, 3);
    EXPECT_EQ(program.session.Working.SensitivityX, 5);
    EXPECT_EQ(program.session.Working.LiftOffEnabled, 1u);
    EXPECT_EQ(program.files.Get(kFolder + "config3.bin"), ProfileFile::Encode(program.session.Working));
    EXPECT_EQ(program.files.Get(kFolder + "config3.bin")[1], 3); // ProfileIndex
    EXPECT_EQ(ini::IniFile(program.files, kFolder + "str3.ini").ReadString("Profile", "IsDefault"), "Y");
}

} // namespace
} // namespace corvalith
