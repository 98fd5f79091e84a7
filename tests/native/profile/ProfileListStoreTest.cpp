#include "profile/ProfileListStore.h"

#include "doubles/MemoryFileSystem.h"
#include "doubles/RecordingDebugOutput.h"
#include "doubles/StorageCollaborators.h"
#include "ini/IniFile.h"
#include "platform/FixedDataFolderLocator.h"
#include "platform/TextNumber.h"
#include "profile/ProfileStorage.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace corvalith {
namespace {

using test::MemoryFileSystem;
using test::RecordingDebugOutput;

const std::string kFolder = "/data/Corvalith/";

std::string Text(const MemoryFileSystem& files, const std::string& name) {
    const auto bytes = files.Get(kFolder + name);
    return std::string(bytes.begin(), bytes.end());
}

// A data folder that stops changing after a number of writes and removals, as if the program had been
// killed there: every later change fails and leaves the files as they are.
class StoppingFileSystem : public IFileSystem {
public:
    StoppingFileSystem(MemoryFileSystem& files, int changesLeft) : files_(files), changesLeft_(changesLeft) {}

    bool FileExists(const std::string& path) const override { return files_.FileExists(path); }
    std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path,
                                                      std::size_t maxBytes) const override {
        return files_.ReadFile(path, maxBytes);
    }
    int WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) override {
        return Allowed() ? files_.WriteFileAtomically(path, bytes) : 5;
    }
    int CreateDirectories(const std::string& path) override { return files_.CreateDirectories(path); }
    int RemoveFile(const std::string& path) override { return Allowed() ? files_.RemoveFile(path) : 5; }

    int Changes() const { return changes_; }

private:
    bool Allowed() {
        if (changesLeft_ == 0) {
            return false;
        }
        --changesLeft_;
        ++changes_;
        return true;
    }

    MemoryFileSystem& files_;
    int changesLeft_;
    int changes_ = 0;
};

// A stored profile: its settings file holds its letter in every byte after the marker, its text file
// a caption naming it.
std::vector<std::uint8_t> SettingsOf(char letter) {
    std::vector<std::uint8_t> bytes(1893, static_cast<std::uint8_t>(letter));
    bytes[0] = 1;
    return bytes;
}

std::string CaptionsOf(char letter) {
    return std::string("[Setting-EN]\r\nItem1=Key ") + letter + "\r\n";
}

// Profiles named "A", "B", ... stored at positions 0, 1, ...
void StoreProfiles(MemoryFileSystem& files, const std::string& names, const std::string& current) {
    std::string list = "[Skins]\r\nLan=EN\r\n[Profile]\r\nItemCount=" + std::to_string(names.size()) + "\r\n";
    for (std::size_t i = 0; i < names.size(); ++i) {
        list += "Item" + std::to_string(i) + "=" + names[i] + "\r\n";
        files.Put(kFolder + "config" + std::to_string(i) + ".bin", SettingsOf(names[i]));
        files.PutText(kFolder + "str" + std::to_string(i) + ".ini", CaptionsOf(names[i]));
    }
    files.PutText(kFolder + "str.ini", list + "CurProfileName=" + current + "\r\n");
}

std::vector<std::string> StoredNames(MemoryFileSystem& files) {
    const ini::IniFile list(files, kFolder + "str.ini");
    std::vector<std::string> names;
    const long long count = TextNumber::Parse(list.ReadString("Profile", "ItemCount")).value_or(0);
    for (long long i = 0; i < count; ++i) {
        names.push_back(list.ReadString("Profile", "Item" + std::to_string(i)));
    }
    return names;
}

TEST(ProfileListStore, ReadsAndStoresTheListInItsOwnFormatAndEncoding) {
    MemoryFileSystem files;
    // Windows-1252: "Spiel\xF6" is "Spielö".
    files.PutText(kFolder + "str.ini", "[Skins]\r\nLan=DE\r\n[Profile]\r\nItemCount=3\r\nItem0=Profil 10\r\n"
                                       "Item1=Spiel\xF6\r\nItem2=Profil 1\r\nCurProfileName=profil 1\r\n");
    ProfileSession session;
    ProfileListStore store(files, kFolder);

    ProfileList list = store.Read(session);
    EXPECT_EQ(list.Names(), (std::vector<std::string>{"Profil 10", "Spiel\xC3\xB6", "Profil 1"}));
    EXPECT_EQ(list.Selected(), 2); // the exact name, not the first one it begins

    list.Rename(0, "Arbeit");
    list.Select(1);
    const auto action = store.Save(list, session);
    EXPECT_EQ(Text(files, "str.ini"), "[Skins]\r\nLan=DE\r\n[Profile]\r\nCurProfileName=Spiel\xF6\r\n"
                                      "ItemCount=3\r\nItem0=Arbeit\r\nItem1=Spiel\xF6\r\nItem2=Profil 1\r\n");
    EXPECT_EQ(action.Operation, ProfileListStore::CloseOperation::Select);
    EXPECT_EQ(action.Position, 1);
    EXPECT_EQ(session.CurrentProfileIndex, 1);

    // Counts outside 1 to 6 are no list.
    for (const char* count : {"0", "7", "x", ""}) {
        files.PutText(kFolder + "str.ini",
                      std::string("[Profile]\r\nItemCount=") + count + "\r\nItem0=A\r\n");
        EXPECT_EQ(store.Read(session).Count(), 0u) << count;
    }
    // Without str.ini nothing is written.
    MemoryFileSystem empty;
    ProfileListStore none(empty, kFolder);
    ProfileList added = none.Read(session);
    added.AddNew("Profile");
    none.Save(added, session);
    EXPECT_TRUE(empty.files.empty());
}

TEST(ProfileListStore, TheFirstListKeepsTheProfileSavedWithoutOne) {
    MemoryFileSystem files;
    files.PutText(kFolder + "str.ini", "[Profile]\r\nIsDefault=Y\r\n[Skins]\r\nLan=EN\r\n");
    files.Put(kFolder + "config0.bin", SettingsOf('Q'));
    files.PutText(kFolder + "str0.ini", CaptionsOf('Q'));
    ProfileSession session;
    ProfileListStore store(files, kFolder);

    ProfileList list = store.Read(session);
    list.AddNew("Profile");
    const auto action = store.Save(list, session);

    EXPECT_EQ(action.Operation, ProfileListStore::CloseOperation::Select);
    EXPECT_EQ(
        Text(files, "str.ini"),
        "[Skins]\r\nLan=EN\r\n[Profile]\r\nCurProfileName=Profile 1\r\nItemCount=1\r\nItem0=Profile 1\r\n");
    EXPECT_EQ(Text(files, "str0.ini"), CaptionsOf('Q') + "[Profile]\r\nIsDefault=Y\r\n");
    EXPECT_EQ(files.Get(kFolder + "config0.bin"), SettingsOf('Q'));

    // A restart loads the profile as it was instead of filling it with factory defaults.
    RecordingDebugOutput debug;
    FixedDataFolderLocator folders{kFolder};
    test::StorageCollaborators effects;
    ProfileSession restarted;
    ProfileStorage storage(restarted, {files, debug, folders, effects, effects, effects});
    storage.LoadProfile();
    storage.InitialiseIfNew();
    EXPECT_EQ(restarted.Working.AngleSnapAngle, 'Q');
    EXPECT_EQ(files.Get(kFolder + "config0.bin"), SettingsOf('Q'));
}

TEST(ProfileListStore, ClosingFollowsTheLoadedProfileAndTheNewEntries) {
    struct Case {
        const char* name;
        int loaded;
        std::function<void(ProfileList&)> edit;
        ProfileListStore::CloseOperation operation;
        int position;
        int loadedAfter;
        std::array<bool, 6> flagsAfter;
    };
    using Op = ProfileListStore::CloseOperation;
    const Case cases[] = {
        {"delete before the loaded one",
         2,
         [](ProfileList& l) { l.Select(0), l.DeleteSelected(), l.Select(1); },
         Op::Select,
         1,
         1,
         {}},
        {"delete the loaded one",
         1,
         [](ProfileList& l) { l.Select(1), l.DeleteSelected(); },
         Op::Select,
         1,
         -1,
         {}},
        {"new entry chosen", 0, [](ProfileList& l) { l.AddNew("Profile"); }, Op::Create, 3, 0, {}},
        {"new entry left, then an earlier one deleted",
         2,
         [](ProfileList& l) { l.AddNew("Profile"), l.Select(0), l.DeleteSelected(), l.Select(1); },
         Op::Select,
         1,
         1,
         {false, false, true}},
        // An import into a stored entry still waiting to be created clears its flag while the manager is
        // open.
        {"imported into a new entry",
         0,
         [](ProfileList& l) { l.SetNewEntry(2, true), l.Select(2); },
         Op::Select,
         2,
         0,
         {}},
    };
    for (const Case& c : cases) {
        MemoryFileSystem files;
        StoreProfiles(files, "ABC", "A");
        ProfileSession session;
        session.LoadedProfileIndex = c.loaded;
        ProfileListStore store(files, kFolder);
        ProfileList list = store.Read(session);
        c.edit(list);
        const auto action = store.Save(list, session);
        EXPECT_EQ(action.Operation, c.operation) << c.name;
        EXPECT_EQ(action.Position, c.position) << c.name;
        EXPECT_EQ(session.CurrentProfileIndex, c.position) << c.name;
        EXPECT_EQ(session.LoadedProfileIndex, c.loadedAfter) << c.name;
        EXPECT_EQ(session.NewEntryFlags, c.flagsAfter) << c.name;
    }
}

// Deleting entries and closing the manager, stopped after every possible number of file changes and
// started again: each listed name still opens its own settings and captions, entries without settings
// of their own open none, and the list is either the old one or the new one.
TEST(ProfileListStore, DeleteAndCloseSurvivesAStopAtEveryStep) {
    struct Case {
        const char* name;
        std::string profiles;
        std::function<void(ProfileList&)> edit;
        std::vector<std::string> after;
    };
    const Case cases[] = {
        {"second of four", "ABCD", [](ProfileList& l) { l.Select(1), l.DeleteSelected(); }, {"A", "C", "D"}},
        {"first of four", "ABCD", [](ProfileList& l) { l.Select(0), l.DeleteSelected(); }, {"B", "C", "D"}},
        {"last of three", "ABC", [](ProfileList& l) { l.Select(2), l.DeleteSelected(); }, {"A", "B"}},
        {"two of six",
         "ABCDEF",
         [](ProfileList& l) { l.Select(1), l.DeleteSelected(), l.Select(3), l.DeleteSelected(); },
         {"A", "C", "D", "F"}},
        {"first of three, then a new entry",
         "ABC",
         [](ProfileList& l) { l.Select(0), l.DeleteSelected(), l.AddNew("Profile"), l.Select(0); },
         {"B", "C", "Profile 2"}},
        {"delete and copy",
         "ABC",
         [](ProfileList& l) { l.Select(0), l.DeleteSelected(), l.AddCopy("Copy"); },
         {"B", "C", "Copy B"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> before;
        for (const char letter : c.profiles) {
            before.push_back(std::string(1, letter));
        }
        for (int stopAfter = 0;; ++stopAfter) {
            MemoryFileSystem files;
            StoreProfiles(files, c.profiles, "A");
            StoppingFileSystem stopping(files, stopAfter);
            ProfileSession session;
            ProfileListStore store(stopping, kFolder);
            ProfileList list = store.Read(session);
            c.edit(list);
            store.Save(list, session);
            const bool finished = stopping.Changes() < stopAfter;

            // The restart.
            RecordingDebugOutput debug;
            FixedDataFolderLocator folders{kFolder};
            test::StorageCollaborators effects;
            ProfileSession restarted;
            ProfileStorage storage(restarted, {files, debug, folders, effects, effects, effects});
            storage.LoadProfile();

            const std::string where = std::string(c.name) + ", stopped after " + std::to_string(stopAfter);
            const std::vector<std::string> names = StoredNames(files);
            ASSERT_TRUE(names == before || names == c.after) << where;
            for (std::size_t i = 0; i < names.size(); ++i) {
                const std::string config = kFolder + "config" + std::to_string(i) + ".bin";
                const std::string text = "str" + std::to_string(i) + ".ini";
                if (names[i].size() == 1) {
                    EXPECT_EQ(files.Get(config), SettingsOf(names[i][0])) << where << ", " << names[i];
                    EXPECT_EQ(Text(files, text), CaptionsOf(names[i][0])) << where << ", " << names[i];
                } else {
                    EXPECT_FALSE(files.FileExists(config)) << where << ", " << names[i];
                    EXPECT_FALSE(files.FileExists(kFolder + text)) << where << ", " << names[i];
                }
            }
            for (std::size_t i = names.size(); i < 6; ++i) {
                EXPECT_FALSE(files.FileExists(kFolder + "config" + std::to_string(i) + ".bin")) << where;
            }
            EXPECT_EQ(Text(files, "str.ini").find("File"), std::string::npos) << where;
            if (finished) {
                EXPECT_EQ(names, c.after) << where;
                break;
            }
        }
    }
}

TEST(ProfileListStore, AnnouncedMovesItDidNotWriteAreDropped) {
    const char* announcements[] = {"File1=0", "File0=3\r\nFile1=2", "File1=9",           "File1=x",
                                   "File5=4", "File0=1\r\nFile1=1", "File0=2\r\nFile1=2"};
    for (const char* announcement : announcements) {
        MemoryFileSystem files;
        StoreProfiles(files, "ABC", "A");
        files.PutText(kFolder + "str.ini", Text(files, "str.ini") + announcement + "\r\n");
        ProfileListStore(files, kFolder).FinishPendingMoves();
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(files.Get(kFolder + "config" + std::to_string(i) + ".bin"),
                      SettingsOf(static_cast<char>('A' + i)))
                << announcement;
        }
        EXPECT_EQ(Text(files, "str.ini").find("File"), std::string::npos) << announcement;
    }
}

} // namespace
} // namespace corvalith
