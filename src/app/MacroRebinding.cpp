#include "app/MacroRebinding.h"

#include "assign/AssignmentCatalogue.h"
#include "ini/IniFile.h"
#include "macro/MacroBlockEncoder.h"
#include "macro/MacroTableBuilder.h"
#include "platform/TextNumber.h"
#include "profile/AssignmentKind.h"
#include "profile/CaptionFile.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileStorage.h"

#include <algorithm>

namespace corvalith {

namespace {

constexpr std::string_view kProfileSection = "Profile";

} // namespace

MacroRebinding::MacroRebinding(IFileSystem& files, std::string dataFolder, std::string languageSection)
    : files_(files), dataFolder_(std::move(dataFolder)), section_(std::move(languageSection)) {}

bool MacroRebinding::Close(ProfileSession& session, bool ok, const std::vector<Rename>& renames,
                           const std::vector<std::string>& namesBefore, const MacroFile& file,
                           std::span<const std::uint8_t> encodedCopy) {
    const std::vector<std::string> names = file.ReadList();
    const Outcome outcome = AfterManager(session, renames, names);
    const MacroTableBuilder::Table table(&session.Working.MacroBlockTable[0][0],
                                         sizeof session.Working.MacroBlockTable);
    if (ok) {
        std::copy_n(encodedCopy.begin(), std::min(encodedCopy.size(), table.size()), table.begin());
    } else if (outcome.IndexesChanged || names != namesBefore) {
        MacroTableBuilder::Build(file, MacroBlockEncoder::kFirstTypeOnManagerOk, table);
    }
    return ok || outcome.IndexesChanged || outcome.CaptionsChanged;
}

std::string MacroRebinding::BinaryPath(std::size_t position) const {
    return dataFolder_ + "config" + std::to_string(position) + ".bin";
}

std::string MacroRebinding::TextPath(std::size_t position) const {
    return dataFolder_ + "str" + std::to_string(position) + ".ini";
}

std::vector<std::size_t> MacroRebinding::OtherPositions(const ProfileSession& session) const {
    const ini::IniFile list(files_, dataFolder_ + "str.ini");
    const long long count = TextNumber::Parse(list.ReadString(kProfileSection, "ItemCount")).value_or(0);
    std::vector<std::size_t> positions;
    if (count < 1 || count > static_cast<long long>(ProfileStorage::kMaxProfiles)) {
        return positions; // no profile list: the working profile is the only one
    }
    for (std::size_t position = 0; position < static_cast<std::size_t>(count); ++position) {
        if (static_cast<std::int64_t>(position) != session.LoadedProfileIndex) {
            positions.push_back(position);
        }
    }
    return positions;
}

MacroRebinding::StoredProfile MacroRebinding::Read(std::size_t position) const {
    StoredProfile stored;
    const auto bytes = files_.ReadFile(BinaryPath(position), ProfileFile::kSize + 1);
    if (bytes && bytes->size() == ProfileFile::kSize) {
        stored.Bytes = *bytes;
        stored.Whole = ProfileFile::Decode(*bytes, stored.Profile).RecordBytes == ProfileSettings::kSize;
    }
    stored.Text = ini::IniFile(files_, TextPath(position)).Load();
    stored.Captions = CaptionFile::Read(stored.Text, section_);
    return stored;
}

MacroRebinding::Outcome MacroRebinding::Follow(ProfileSettings& profile,
                                               MacroButtonBinding::Captions& captions,
                                               const std::vector<Rename>& renames,
                                               const std::vector<std::string>& names) {
    Outcome outcome;
    for (const auto& [from, to] : renames) {
        outcome.CaptionsChanged =
            MacroButtonBinding::Rename(profile, captions, from, to) || outcome.CaptionsChanged;
    }
    outcome.IndexesChanged = MacroButtonBinding::Rebind(profile, captions, names);
    return outcome;
}

MacroRebinding::Outcome MacroRebinding::AfterManager(ProfileSession& session,
                                                     const std::vector<Rename>& renames,
                                                     const std::vector<std::string>& names) {
    const Outcome outcome = Follow(session.Working, session.Captions, renames, names);

    for (const std::size_t position : OtherPositions(session)) {
        StoredProfile stored = Read(position);
        if (!stored.Whole) {
            continue; // which buttons play a macro is not known; the next load binds them
        }
        MacroButtonBinding::Captions captions = stored.Captions;
        const Outcome followed = Follow(stored.Profile, captions, renames, names);
        // The captions go first: should the program stop before the record is written, the next load of
        // that profile binds its buttons by their captions.
        if (followed.CaptionsChanged) {
            for (std::size_t slot = 0; slot < AssignmentCatalogue::kAssignableSlots; ++slot) {
                if (captions[slot] != stored.Captions[slot]) {
                    CaptionFile::PutSlot(stored.Text, section_, slot, captions[slot]);
                }
            }
            ini::IniFile(files_, TextPath(position)).Store(stored.Text);
        }
        if (followed.IndexesChanged) {
            std::vector<std::uint8_t> bytes = ProfileFile::Encode(stored.Profile);
            bytes[0] = stored.Bytes[0]; // the marker stays as it was
            files_.WriteFileAtomically(BinaryPath(position), bytes);
        }
    }
    return outcome;
}

std::vector<std::string> MacroRebinding::StoredLabels(const ProfileSession& session) const {
    std::vector<std::string> labels;
    for (const std::size_t position : OtherPositions(session)) {
        const StoredProfile stored = Read(position);
        for (std::size_t slot = 0; slot < AssignmentCatalogue::kAssignableSlots; ++slot) {
            const bool playsMacro =
                stored.Profile.ButtonAssignmentKind[slot] == static_cast<std::uint8_t>(AssignmentKind::Macro);
            if ((playsMacro || !stored.Whole) && !stored.Captions[slot].empty()) {
                labels.push_back(stored.Captions[slot]);
            }
        }
    }
    return labels;
}

} // namespace corvalith
