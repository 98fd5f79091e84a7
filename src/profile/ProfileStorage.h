#pragma once

#include "ini/IniFile.h"
#include "platform/IDataFolderLocator.h"
#include "platform/IDebugOutput.h"
#include "platform/IFileSystem.h"
#include "profile/IMacroTableBuilder.h"
#include "profile/IPointerSettingsApplier.h"
#include "profile/IProfileUploader.h"
#include "profile/ProfileSession.h"

#include <string>
#include <string_view>

namespace corvalith {

// Keeps profiles on disk: the binary profile files config<n>.bin, the per-profile text files with the
// button captions and the "IsDefault" marker, the first-start handling and the factory reset.
//
// Language sections are passed in ("Setting-EN", "Setting-DE", ...) by whoever knows the language.
class ProfileStorage {
public:
    struct Services {
        IFileSystem& Files;
        IDebugOutput& Debug;
        IDataFolderLocator& Folders;
        IMacroTableBuilder& Macros;
        IProfileUploader& Uploader;
        IPointerSettingsApplier& Pointer;
    };

    static constexpr std::size_t kMaxProfiles = 6;

    ProfileStorage(ProfileSession& session, Services services);

    // Chooses the current files from the profile list and reads the current binary file into the
    // working profile, then rebuilds the macro block table from the macros file.
    void LoadProfile();
    // Loads the profile of one list entry: its position becomes the current profile index, and its
    // config<n>.bin is read (with the macros rebuilt) with str<n>.ini as the current text file.
    void LoadListEntry(std::uint8_t position);
    // Writes the working profile to config<n>.bin of the current index; str<n>.ini becomes current.
    void SaveProfile();
    // Read captions "Item1".."Item8" / write "Item1".."Item7" of the language section of the current
    // text file; the save replaces the file once for all seven, in its own encoding. After the read, the
    // buttons that play a macro are bound again to the macros their captions name.
    void LoadCaptions(std::string_view languageSection);
    void SaveCaptions(std::string_view languageSection);
    // Reads the base profile config.bin into the working profile with str.ini as the current text file.
    void LoadBaseProfile();
    // Fills a profile with factory defaults and saves it when it is not yet marked "IsDefault" = "Y" or
    // when its binary file was not read in full (missing, unreadable or short): the working profile would
    // otherwise stay all zeros and the next change would save and send them. The marker is in the
    // profile's own text file while a profile list exists, in str.ini otherwise.
    void InitialiseIfNew();
    // The reset command: factory defaults, keeping the macros, the profile index and the lift-off switch.
    void FactoryReset(std::string_view languageSection);

    // Set while a factory reset or a profile creation is in progress: loading then reads config.bin.
    void SetBusy(bool busy) { busy_ = busy; }
    bool IsBusy() const { return busy_; }

    const std::string& DataFolder() const { return dataFolder_; }
    const std::string& MacrosFilePath() const { return macrosPath_; }
    const std::string& ProfileListPath() const { return listPath_; }
    const std::string& CurrentTextPath() const { return textPath_; }
    const std::string& CurrentBinaryPath() const { return binaryPath_; }

    // The language code: key "Lan" of section "Skins" in the current text file, or in str.ini when the
    // current text file has none (a profile's own text file written by the program itself carries no
    // language code, and the installation's choice must survive a restart).
    std::string ReadLanguageCode() const;

    // The current text file (language code, captions, "IsDefault") and the profile-list file.
    ini::IniFile CurrentTextFile() const { return ini::IniFile(services_.Files, textPath_); }
    ini::IniFile ProfileListFile() const { return ini::IniFile(services_.Files, listPath_); }

private:
    // The data folder and the paths that follow from it; str.ini becomes the current text file.
    void ChooseDataFolder();
    std::string NumberedPath(std::string_view stem, std::string_view extension) const;
    // Reads the current binary file into the working profile; false when it does not exist.
    bool ReadBinaryFile();
    // The text file that holds the "IsDefault" marker of the current profile.
    const std::string& MarkerPath() const { return listValid_ ? textPath_ : listPath_; }
    // Writes a value into a text file, creating the data folder first when it is missing.
    void WriteText(const std::string& path, std::string_view section, std::string_view key,
                   std::string_view value);
    void EnsureDataFolder();
    void Debug(const std::string& line) { services_.Debug.Write(line); }

    ProfileSession& session_;
    Services services_;
    bool busy_ = false;
    // The last load found a valid profile list (an "ItemCount" of 1 to 6).
    bool listValid_ = false;
    // The working profile holds a full record of the current binary file: read in full by the last load,
    // or written by the last save.
    bool profileStored_ = false;
    std::string dataFolder_;
    std::string macrosPath_;
    std::string listPath_;
    std::string textPath_;
    std::string binaryPath_;
};

} // namespace corvalith
