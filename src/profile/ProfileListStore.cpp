#include "profile/ProfileListStore.h"

#include "ini/IniFile.h"
#include "platform/TextNumber.h"

#include <array>
#include <utility>
#include <vector>

namespace corvalith {

namespace {

constexpr std::string_view kSection = "Profile";
constexpr std::string_view kDiscard = "-";
constexpr int kPositions = static_cast<int>(ProfileList::kMaxProfiles);

std::string FileKey(int position) {
    return "File" + std::to_string(position);
}

long StoredCount(const ini::IniDocument& document) {
    const long long count =
        TextNumber::Parse(ini::IniFile::Read(document, kSection, "ItemCount")).value_or(0);
    return count >= 1 && count <= kPositions ? static_cast<long>(count) : 0;
}

// A file number written by this program: one digit 0 to 5.
int ParseFileNumber(const std::string& text) {
    return text.size() == 1 && text[0] >= '0' && text[0] < '0' + kPositions ? text[0] - '0' : -1;
}

} // namespace

ProfileListStore::ProfileListStore(IFileSystem& files, std::string dataFolder)
    : files_(files), folder_(std::move(dataFolder)), listPath_(folder_ + "str.ini") {}

std::string ProfileListStore::NumberedPath(const char* stem, int number, const char* extension) const {
    return folder_ + stem + std::to_string(number) + extension;
}

ProfileList ProfileListStore::Read(const ProfileSession& session) {
    FinishPendingMoves();
    const ini::IniDocument document = ini::IniFile(files_, listPath_).Load();
    const long count = StoredCount(document);
    std::vector<std::string> names;
    for (long i = 0; i < count; ++i) {
        names.push_back(
            ini::IniFile::Read(document, kSection, ini::IniFile::ItemKey(static_cast<std::size_t>(i))));
    }
    ProfileList list(names);
    for (std::size_t i = 0; i < list.Count(); ++i) {
        list.SetNewEntry(i, session.NewEntryFlags[i]);
    }
    const auto current =
        ProfileList::FindCurrent(names, ini::IniFile::Read(document, kSection, "CurProfileName"));
    list.Select(current ? static_cast<int>(*current) : -1);
    return list;
}

ProfileListStore::CloseAction ProfileListStore::Save(const ProfileList& list, ProfileSession& session) {
    if (list.Count() == 0) {
        return {CloseOperation::None, 0};
    }
    const int selected = list.Selected() < 0 ? 0 : list.Selected();
    const auto& entries = list.Entries();
    const int count = static_cast<int>(entries.size());

    if (files_.FileExists(listPath_)) {
        ini::IniFile listFile(files_, listPath_);
        ini::IniDocument document = listFile.Load();

        // The first list takes over the profile kept without a list, whose "IsDefault" marker was in
        // str.ini; its own text file must carry it from now on, or the next start resets it.
        if (StoredCount(document) == 0 && entries[0].Files == 0) {
            const std::string marker = ini::IniFile::Read(document, kSection, "IsDefault");
            ini::IniFile first(files_, NumberedPath("str", 0, ".ini"));
            if (!marker.empty() && first.ReadString(kSection, "IsDefault").empty() &&
                first.WriteString(kSection, "IsDefault", marker) != 0) {
                return {CloseOperation::None, selected};
            }
        }

        document.DeleteSection(kSection);
        document.SetString(kSection, "CurProfileName", entries[static_cast<std::size_t>(selected)].Name);
        document.SetString(kSection, "ItemCount", std::to_string(count));
        for (int i = 0; i < kPositions; ++i) {
            const int from = i < count ? entries[static_cast<std::size_t>(i)].Files : ProfileList::kNoFiles;
            if (i < count) {
                document.SetString(kSection, ini::IniFile::ItemKey(static_cast<std::size_t>(i)),
                                   entries[static_cast<std::size_t>(i)].Name);
            }
            if (from >= 0 && from != i) {
                document.SetString(kSection, FileKey(i), std::to_string(from));
            } else if (from < 0 && HasFiles(i)) {
                document.SetString(kSection, FileKey(i), kDiscard);
            }
        }
        if (listFile.Store(document) != 0) {
            return {CloseOperation::None, selected}; // nothing changed on disk, nothing to activate
        }
        FinishPendingMoves();
    }

    // The working profile follows its entry; a deleted one leaves no loaded profile.
    const int loaded = session.LoadedProfileIndex;
    session.LoadedProfileIndex = -1;
    for (int i = 0; i < count; ++i) {
        if (loaded >= 0 && entries[static_cast<std::size_t>(i)].Files == loaded) {
            session.LoadedProfileIndex = i;
            session.Working.ProfileIndex = static_cast<std::uint8_t>(i);
        }
    }
    // A stored entry's flag is the session's own (an import into it clears it while the manager is open).
    const std::array<bool, ProfileList::kMaxProfiles> flags = session.NewEntryFlags;
    for (int i = 0; i < kPositions; ++i) {
        bool flag = false;
        if (i < count) {
            const ProfileList::Entry& entry = entries[static_cast<std::size_t>(i)];
            flag = entry.Files >= 0 ? entry.NewEntry && flags[static_cast<std::size_t>(entry.Files)]
                                    : entry.NewEntry;
        }
        session.NewEntryFlags[static_cast<std::size_t>(i)] = flag;
    }
    session.CurrentProfileIndex = static_cast<std::uint8_t>(selected);
    bool& newEntry = session.NewEntryFlags[static_cast<std::size_t>(selected)];
    if (newEntry) {
        newEntry = false;
        return {CloseOperation::Create, selected};
    }
    return {CloseOperation::Select, selected};
}

void ProfileListStore::FinishPendingMoves() {
    ini::IniFile listFile(files_, listPath_);
    if (!listFile.Exists()) {
        return;
    }
    const ini::IniDocument document = listFile.Load();
    const long count = StoredCount(document);
    std::vector<std::pair<int, int>> moves; // (position, source file number)
    std::vector<int> discards;
    bool valid = true;
    bool any = false;
    int lastSource = -1;
    for (int i = 0; i < kPositions; ++i) {
        const std::string value = ini::IniFile::Read(document, kSection, FileKey(i));
        if (value.empty() && !document.HasKey(kSection, FileKey(i))) {
            continue;
        }
        any = true;
        if (value == kDiscard) {
            discards.push_back(i);
            continue;
        }
        // Moves only ever go up the list, in list order, and into the positions of listed entries; so
        // each target is free when its turn comes.
        const int from = ParseFileNumber(value);
        if (from <= i || from <= lastSource || i >= count) {
            valid = false;
            break;
        }
        lastSource = from;
        moves.emplace_back(i, from);
    }
    if (!any) {
        return;
    }
    if (!valid) {
        ini::IniDocument cleaned = document;
        for (int i = 0; i < kPositions; ++i) {
            cleaned.DeleteKey(kSection, FileKey(i));
        }
        listFile.Store(cleaned);
        return;
    }
    for (const auto& [position, from] : moves) {
        if (!CopyFiles(from, position) || listFile.DeleteKey(kSection, FileKey(position)) != 0) {
            return; // the next start tries again
        }
    }
    for (const int position : discards) {
        if (!RemoveFiles(position) || listFile.DeleteKey(kSection, FileKey(position)) != 0) {
            return;
        }
    }
}

bool ProfileListStore::HasFiles(int number) const {
    return files_.FileExists(NumberedPath("config", number, ".bin")) ||
           files_.FileExists(NumberedPath("str", number, ".ini"));
}

bool ProfileListStore::CopyFiles(int from, int to) {
    return CopyFile(NumberedPath("config", from, ".bin"), NumberedPath("config", to, ".bin")) &&
           CopyFile(NumberedPath("str", from, ".ini"), NumberedPath("str", to, ".ini"));
}

bool ProfileListStore::RemoveFiles(int number) {
    return files_.RemoveFile(NumberedPath("config", number, ".bin")) == 0 &&
           files_.RemoveFile(NumberedPath("str", number, ".ini")) == 0;
}

bool ProfileListStore::CopyFile(const std::string& from, const std::string& to) {
    const auto bytes = files_.ReadFile(from);
    if (!bytes) {
        // A source that exists but cannot be read stops the move rather than losing the target.
        return !files_.FileExists(from) && files_.RemoveFile(to) == 0;
    }
    return files_.WriteFileAtomically(to, *bytes) == 0;
}

} // namespace corvalith
