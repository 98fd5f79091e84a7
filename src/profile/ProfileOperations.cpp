#include "profile/ProfileOperations.h"

#include "ini/IniFile.h"
#include "platform/TextFormat.h"
#include "profile/CaptionFile.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileList.h"

namespace corvalith {

namespace {

constexpr std::string_view kProfileSection = "Profile";

std::size_t FileNameStart(const std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? 0 : separator + 1;
}

// The import takes a file whose name (not its folder) holds ".bin", in any case: an export names its file
// as the user typed it, "Backup.BIN" included.
bool NamesProfileFile(const std::string& path) {
    const std::string_view name = std::string_view(path).substr(FileNameStart(path));
    constexpr std::string_view kExtension = ".bin";
    for (std::size_t at = 0; at + kExtension.size() <= name.size(); ++at) {
        if (ProfileList::EqualNoCase(name.substr(at, kExtension.size()), kExtension)) {
            return true;
        }
    }
    return false;
}

bool EndsWithNoCase(const std::string& text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           ProfileList::EqualNoCase(std::string_view(text).substr(text.size() - suffix.size()), suffix);
}

} // namespace

ProfileOperations::ProfileOperations(ProfileSession& session, Services services)
    : session_(session), services_(services) {}

std::string ProfileOperations::NumberedPath(const char* stem, int position, const char* extension) const {
    return services_.Storage.DataFolder() + stem + std::to_string(position) + extension;
}

void ProfileOperations::Run(Operation operation, int position, std::string_view captionSection,
                            PromptOwner owner, IProfileWindow& window) {
    if (position < 0 || position >= static_cast<int>(ProfileList::kMaxProfiles)) {
        if (operation == Operation::Select || operation == Operation::Create) {
            window.CloseProfileManager(); // nothing to activate, but the manager still closes
        }
        return;
    }
    switch (operation) {
    case Operation::Import:
        ImportProfile(position, captionSection, owner, window);
        break;
    case Operation::Export:
        ExportProfile(position, captionSection, owner);
        break;
    case Operation::Select:
        Select(position, captionSection, window);
        break;
    case Operation::Create:
        Create(position, captionSection, window);
        break;
    }
}

void ProfileOperations::StoreAndSend(std::string_view captionSection, MouseWrite write) {
    if (services_.Uploader.IsDeviceConnected() && write == MouseWrite::Changes) {
        services_.Uploader.SwitchMouseToProfile();
    } else if (services_.Uploader.IsDeviceConnected()) {
        services_.Uploader.WriteProfileToMouse();
        services_.Uploader.WriteLiftOffToMouse();
    } else {
        services_.Storage.SaveProfile();
        services_.Storage.SaveCaptions(captionSection);
    }
    session_.TakeSnapshot();
    services_.Pointer.ApplyPointerSettings(session_.Working);
}

void ProfileOperations::Select(int position, std::string_view captionSection, IProfileWindow& window,
                               MouseWrite write) {
    // An import made the entry it filled the loaded one, so the comparison below decides alone.
    session_.ImportDone = false;
    if (position == session_.LoadedProfileIndex) {
        window.CloseProfileManager();
        return;
    }
    ProfileSettings& working = session_.Working;
    const std::uint32_t liftOffEnabled = working.LiftOffEnabled;
    session_.LoadedProfileIndex = position;
    services_.Storage.LoadListEntry(static_cast<std::uint8_t>(position));
    working.ProfileIndex = static_cast<std::uint8_t>(position); // the record names its list position
    services_.Storage.InitialiseIfNew();
    services_.Storage.LoadCaptions(captionSection);
    window.ShowLoadedProfile();
    window.CloseProfileManager();
    working.LiftOffEnabled = liftOffEnabled;
    StoreAndSend(captionSection, write);
}

void ProfileOperations::Create(int position, std::string_view captionSection, IProfileWindow& window) {
    ProfileSettings& working = session_.Working;
    const std::uint32_t liftOffEnabled = working.LiftOffEnabled;
    session_.ImportDone = false;
    session_.LoadedProfileIndex = position;
    session_.CurrentProfileIndex = static_cast<std::uint8_t>(position);
    working.ProfileIndex = static_cast<std::uint8_t>(position);

    ProfileStorage& storage = services_.Storage;
    storage.SetBusy(true);
    storage.LoadProfile();
    working.ResetToFactoryDefaults();
    storage.LoadCaptions(captionSection);
    storage.SetBusy(false);

    window.ShowLoadedProfile();
    window.CloseProfileManager();

    working.LiftOffEnabled = liftOffEnabled;
    storage.SaveProfile();
    storage.SaveCaptions(captionSection);
    storage.CurrentTextFile().WriteString(kProfileSection, "IsDefault", "Y");
    StoreAndSend(captionSection);
}

void ProfileOperations::ImportProfile(int position, std::string_view captionSection, PromptOwner owner,
                                      IProfileWindow& window) {
    FileDialogRequest request{kFileFilter, services_.Storage.CurrentBinaryPath(), "", kFileDialogFlags};
    const auto chosen = services_.Prompts.ChooseFileToOpen(owner, request);
    if (!chosen || !NamesProfileFile(*chosen)) {
        return;
    }
    if (!services_.Files.FileExists(*chosen)) {
        Debug("Config file is not exist.\n");
        return;
    }

    // Read into a copy: only a whole record of the right size replaces the working profile.
    ProfileSettings imported = session_.Working;
    bool settingsRead = false;
    const auto bytes = services_.Files.ReadFile(*chosen, ProfileFile::kSize + 1);
    if (bytes && bytes->size() == ProfileFile::kSize) {
        const ProfileFile::ReadResult read = ProfileFile::Decode(*bytes, imported);
        imported.ClampToPageRanges();
        Debug(TextFormat::Printf("Program First Run Flag:%d\nRead Size is: %d", read.Marker,
                                 static_cast<int>(read.RecordBytes)));
        settingsRead = true;
    }
    // A pair without its captions file keeps the captions it has instead of emptying them; so does one
    // whose captions file is too large to be one.
    const std::optional<Captions> importedCaptions = ReadCaptionFile(CaptionPath(*chosen), captionSection);
    const bool captionsRead = importedCaptions.has_value();
    const Captions captions = importedCaptions.value_or(session_.Captions);

    if (settingsRead) {
        // The entry the file pair went into is the loaded profile from now on; it is stored as a whole
        // profile, so it is neither created on close nor filled with factory defaults at the next start.
        imported.LiftOffEnabled = session_.Working.LiftOffEnabled;
        session_.Working = imported;
        session_.ImportDone = true;
        session_.LoadedProfileIndex = position;
        session_.CurrentProfileIndex = static_cast<std::uint8_t>(position);
        session_.NewEntryFlags[static_cast<std::size_t>(position)] = false;
        if (captionsRead) {
            session_.Captions = captions;
        }
        window.ShowLoadedProfile();
        StoreAndSend(captionSection);
        services_.Storage.CurrentTextFile().WriteString(kProfileSection, "IsDefault", "Y");
        return;
    }
    if (!captionsRead) {
        return;
    }
    // Only the captions came in: they belong to the entry imported into.
    if (position == session_.LoadedProfileIndex) {
        session_.Captions = captions;
        window.ShowLoadedProfile();
        services_.Storage.SaveCaptions(captionSection);
    } else {
        ExportCaptions(NumberedPath("str", position, ".ini"), captions, captionSection);
    }
}

void ProfileOperations::ExportProfile(int position, std::string_view captionSection, PromptOwner owner) {
    FileDialogRequest request{kFileFilter, services_.Storage.CurrentBinaryPath(), "", kFileDialogFlags};
    const auto chosen = services_.Prompts.ChooseFileToSave(owner, request);
    if (!chosen) {
        return;
    }
    const std::string binaryPath = ExportBinaryPath(*chosen);

    // The entry's own settings and captions: the working profile's when it is the loaded one, its stored
    // files otherwise, filled with factory defaults as its first selection would when it has none.
    ProfileSettings settings = session_.Working;
    Captions captions = session_.Captions;
    if (position != session_.LoadedProfileIndex) {
        const auto bytes =
            services_.Files.ReadFile(NumberedPath("config", position, ".bin"), ProfileFile::kSize);
        const bool whole =
            bytes && ProfileFile::Decode(*bytes, settings).RecordBytes == ProfileSettings::kSize;
        const ini::IniFile text(services_.Files, NumberedPath("str", position, ".ini"));
        const std::string isDefault = text.ReadString(kProfileSection, "IsDefault");
        if (!whole || isDefault.empty() || isDefault == "N") {
            settings.ResetToFactoryDefaults();
        }
        settings.LiftOffEnabled = session_.Working.LiftOffEnabled;
        captions = ImportCaptions(text.Path(), captionSection);
    }

    ExportCaptions(CaptionPath(binaryPath), captions, captionSection);
    const int error = services_.Files.WriteFileAtomically(binaryPath, ProfileFile::Encode(settings));
    if (error != 0) {
        Debug(TextFormat::Printf("Error Code is: %d \n", error));
        return;
    }
    Debug(TextFormat::Printf("Data num:%d BYTE -%d BYTE\n Struct size:%d BYTE", 1,
                             static_cast<int>(ProfileSettings::kSize),
                             static_cast<int>(ProfileSettings::kSize)));
}

int ProfileOperations::ExportCaptions(const std::string& iniPath, const Captions& captions,
                                      std::string_view section) {
    ini::IniFile file(services_.Files, iniPath);
    ini::IniDocument text = file.Load();
    CaptionFile::Put(text, section, captions);
    return file.Store(text);
}

std::optional<ProfileOperations::Captions>
ProfileOperations::ReadCaptionFile(const std::string& iniPath, std::string_view section) const {
    const auto bytes = services_.Files.ReadFile(iniPath, kMaxCaptionFileBytes + 1);
    if (!bytes || bytes->size() > kMaxCaptionFileBytes) {
        return std::nullopt;
    }
    return CaptionFile::Read(ini::IniDocument::Parse(*bytes), section);
}

ProfileOperations::Captions ProfileOperations::ImportCaptions(const std::string& iniPath,
                                                              std::string_view section) const {
    return CaptionFile::Read(ini::IniFile(services_.Files, iniPath).Load(), section);
}

std::string ProfileOperations::ExportBinaryPath(const std::string& chosen) {
    return EndsWithNoCase(chosen, ".bin") ? chosen : chosen + ".bin";
}

std::string ProfileOperations::CaptionPath(const std::string& binaryPath) {
    const std::size_t dot = binaryPath.find_last_of('.');
    if (dot == std::string::npos || dot < FileNameStart(binaryPath)) {
        return binaryPath + ".ini";
    }
    return binaryPath.substr(0, dot) + ".ini";
}

} // namespace corvalith
