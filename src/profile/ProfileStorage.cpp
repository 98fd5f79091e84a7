#include "profile/ProfileStorage.h"

#include "platform/TextFormat.h"
#include "platform/TextNumber.h"
#include "profile/CaptionFile.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileListStore.h"

#include <cstdio>
#include <cstring>
#include <utility>

namespace corvalith {

namespace {

constexpr std::string_view kProfileSection = "Profile";

} // namespace

ProfileStorage::ProfileStorage(ProfileSession& session, Services services)
    : session_(session), services_(services) {
    ChooseDataFolder();
    binaryPath_ = dataFolder_ + "config.bin";
}

void ProfileStorage::ChooseDataFolder() {
    dataFolder_ = services_.Folders.DataFolder();
    macrosPath_ = dataFolder_ + "record.ini";
    listPath_ = dataFolder_ + "str.ini";
    textPath_ = listPath_;
}

std::string ProfileStorage::NumberedPath(std::string_view stem, std::string_view extension) const {
    return dataFolder_ + std::string(stem) + std::to_string(session_.CurrentProfileIndex) +
           std::string(extension);
}

void ProfileStorage::LoadProfile() {
    ChooseDataFolder();

    if (busy_) {
        binaryPath_ = dataFolder_ + "config.bin";
    } else {
        // A list stored by a profile manager that was stopped half-way may still announce file moves.
        ProfileListStore(services_.Files, dataFolder_).FinishPendingMoves();
        const ini::IniDocument list = ProfileListFile().Load();
        const long long count =
            TextNumber::Parse(ini::IniFile::Read(list, kProfileSection, "ItemCount")).value_or(0);
        listValid_ = count >= 1 && count <= static_cast<long long>(kMaxProfiles);
        if (listValid_) {
            const std::string current = ini::IniFile::Read(list, kProfileSection, "CurProfileName");
            for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
                if (ini::IniFile::Read(list, kProfileSection, ini::IniFile::ItemKey(i)) == current) {
                    session_.CurrentProfileIndex = static_cast<std::uint8_t>(i); // the last equal entry wins
                }
            }
        } else if (!services_.Files.FileExists(NumberedPath("config", ".bin"))) {
            // No profile list and nothing saved yet (a fresh data folder): nothing to load, and the
            // profile stays as it is until it is initialised.
            profileStored_ = false;
            return;
        }
        // Without a profile list the profile saved under the current index is still the user's: it is
        // read back with its own text file, so settings and captions survive a restart.
        binaryPath_ = NumberedPath("config", ".bin");
        textPath_ = NumberedPath("str", ".ini");
        // The profile read now is the list's current entry: the profile manager opens on it, takes it as
        // the one already loaded, and exports it from the working profile.
        session_.LoadedProfileIndex = session_.CurrentProfileIndex;
    }

    ReadBinaryFile();
    services_.Macros.RebuildMacroBlockTable(macrosPath_, session_.Working);
}

void ProfileStorage::LoadListEntry(std::uint8_t position) {
    ChooseDataFolder();
    session_.CurrentProfileIndex = position;
    session_.LoadedProfileIndex = position;
    listValid_ = true;
    binaryPath_ = NumberedPath("config", ".bin");
    textPath_ = NumberedPath("str", ".ini");
    ReadBinaryFile();
    services_.Macros.RebuildMacroBlockTable(macrosPath_, session_.Working);
}

bool ProfileStorage::ReadBinaryFile() {
    profileStored_ = false;
    const auto bytes = services_.Files.ReadFile(binaryPath_, ProfileFile::kSize);
    if (!bytes) {
        Debug("Config file is not exist.\n");
        return false;
    }
    const ProfileFile::ReadResult read = ProfileFile::Decode(*bytes, session_.Working);
    session_.Working.ClampToPageRanges();
    profileStored_ = read.RecordBytes == ProfileSettings::kSize;
    Debug(TextFormat::Printf("Program First Run Flag:%d\nRead Size is: %d", read.Marker,
                             static_cast<int>(read.RecordBytes)));
    return true;
}

void ProfileStorage::SaveProfile() {
    binaryPath_ = NumberedPath("config", ".bin");
    textPath_ = NumberedPath("str", ".ini");
    EnsureDataFolder();
    const int error = services_.Files.WriteFileAtomically(binaryPath_, ProfileFile::Encode(session_.Working));
    if (error != 0) {
        Debug(TextFormat::Printf("Error Code is: %d \n", error));
        return;
    }
    profileStored_ = true;
    Debug(TextFormat::Printf("Data num:%d BYTE -%d BYTE\n Struct size:%d BYTE", 1,
                             static_cast<int>(ProfileSettings::kSize),
                             static_cast<int>(ProfileSettings::kSize)));
}

void ProfileStorage::LoadCaptions(std::string_view languageSection) {
    session_.Captions = CaptionFile::Read(CurrentTextFile().Load(), languageSection);
    services_.Macros.RebindButtons(macrosPath_, session_);
}

void ProfileStorage::SaveCaptions(std::string_view languageSection) {
    // A profile's own text file is named by its current index, as the save of its settings names it: after
    // a delete moved the profile's files up, the file it was read from holds the next profile's captions.
    if (textPath_ != listPath_) {
        textPath_ = NumberedPath("str", ".ini");
    }
    // The seven keys go into one loaded copy of the text file, which then replaces the file once: every
    // change of a setting saves the captions, and each replacement is a flushed write and a rename.
    EnsureDataFolder();
    ini::IniFile file = CurrentTextFile();
    ini::IniDocument text = file.Load();
    CaptionFile::Put(text, languageSection, session_.Captions);
    file.Store(text);
}

void ProfileStorage::LoadBaseProfile() {
    const bool wasBusy = busy_;
    busy_ = true;
    LoadProfile();
    busy_ = wasBusy;
}

void ProfileStorage::InitialiseIfNew() {
    // Without a profile list str.ini carries the marker, while str<n>.ini holds only the captions.
    const std::string markerPath = MarkerPath();
    const std::string isDefault =
        ini::IniFile(services_.Files, markerPath).ReadString(kProfileSection, "IsDefault");
    if (isDefault != "Y") {
        WriteText(markerPath, kProfileSection, "IsDefault", "Y");
    }
    if (isDefault == "N" || isDefault.empty() || !profileStored_) {
        session_.Working.ResetToFactoryDefaults();
        SaveProfile();
    }
}

void ProfileStorage::FactoryReset(std::string_view languageSection) {
    ProfileSettings& working = session_.Working;
    const std::uint8_t profileIndex = working.ProfileIndex;
    const std::uint32_t liftOffEnabled = working.LiftOffEnabled;
    std::uint8_t macros[sizeof working.MacroBlockTable];
    std::memcpy(macros, working.MacroBlockTable, sizeof macros);

    busy_ = true;
    LoadProfile();
    working.ResetToFactoryDefaults();
    LoadCaptions(languageSection);

    working.ProfileIndex = profileIndex;
    working.LiftOffEnabled = liftOffEnabled;
    std::memcpy(working.MacroBlockTable, macros, sizeof macros);

    if (services_.Uploader.IsDeviceConnected()) {
        services_.Uploader.WriteProfileToMouse();
        services_.Uploader.WriteLiftOffToMouse();
    }
    SaveProfile();
    SaveCaptions(languageSection);
    session_.TakeSnapshot();
    services_.Pointer.ApplyPointerSettings(working);
    busy_ = false;
}

std::string ProfileStorage::ReadLanguageCode() const {
    std::string code = CurrentTextFile().ReadString("Skins", "Lan");
    if (code.empty() && textPath_ != listPath_) {
        code = ProfileListFile().ReadString("Skins", "Lan");
    }
    return code;
}

void ProfileStorage::WriteText(const std::string& path, std::string_view section, std::string_view key,
                               std::string_view value) {
    EnsureDataFolder();
    ini::IniFile(services_.Files, path).WriteString(section, key, value);
}

void ProfileStorage::EnsureDataFolder() {
    if (!dataFolder_.empty()) {
        services_.Files.CreateDirectories(dataFolder_);
    }
}

} // namespace corvalith
