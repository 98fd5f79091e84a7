#pragma once

#include "ini/IniDocument.h"
#include "macro/MacroButtonBinding.h"
#include "macro/MacroFile.h"
#include "platform/IFileSystem.h"
#include "profile/ProfileSession.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvalith {

// What follows the macro manager's closing, for every profile: a button that plays a macro keeps playing it
// after the macro was renamed or another one was deleted. The working profile and its captions are changed
// in memory (the normal save writes them); every other stored profile of the profile list (config<n>.bin and
// the language section of str<n>.ini, n its list position) is rewritten crash-safely, and only when something
// in it changed. A stored profile whose config<n>.bin is not a whole record is left alone. The macro block
// tables of the stored profiles stay as they are: every load builds them anew from record.ini.
class MacroRebinding {
public:
    using Rename = std::pair<std::string, std::string>;

    struct Outcome {
        bool CaptionsChanged = false; // a caption of the working profile names a renamed macro's new name
        bool IndexesChanged = false;  // a button of the working profile plays another block now
    };

    // dataFolder ends with a separator; languageSection is the captions' section ("Setting-EN"...).
    MacroRebinding(IFileSystem& files, std::string dataFolder, std::string languageSection);

    // `renames`: old name then new name, in the order the manager made them; `names`: the macro list as
    // record.ini now holds it.
    Outcome AfterManager(ProfileSession& session, const std::vector<Rename>& renames,
                         const std::vector<std::string>& names);

    // The whole close of the manager: AfterManager, then the working profile's block table. OK takes the
    // manager's encoded copy. Cancel keeps what the manager already wrote to record.ini (a delete, a new
    // macro), so the table is built again from the file whenever its list changed or a button moved: a
    // later button upload then sends every macro at its list position. `namesBefore`: the list when the
    // manager opened. True when the buttons and macros must go to the mouse.
    bool Close(ProfileSession& session, bool ok, const std::vector<Rename>& renames,
               const std::vector<std::string>& namesBefore, const MacroFile& file,
               std::span<const std::uint8_t> encodedCopy);

    // The captions of the buttons that play a macro in every stored profile but the loaded one, for the
    // manager's delete guard. A profile whose record is not whole gives the captions of all its buttons.
    std::vector<std::string> StoredLabels(const ProfileSession& session) const;

private:
    struct StoredProfile {
        ProfileSettings Profile{};
        std::vector<std::uint8_t> Bytes; // config<n>.bin as read
        ini::IniDocument Text;           // str<n>.ini as read
        MacroButtonBinding::Captions Captions;
        bool Whole = false; // config<n>.bin is a whole record
    };

    // The renames, then the rebinding, on one profile and its captions.
    static Outcome Follow(ProfileSettings& profile, MacroButtonBinding::Captions& captions,
                          const std::vector<Rename>& renames, const std::vector<std::string>& names);

    // The list positions of the stored profiles other than the loaded one.
    std::vector<std::size_t> OtherPositions(const ProfileSession& session) const;
    StoredProfile Read(std::size_t position) const;
    std::string BinaryPath(std::size_t position) const;
    std::string TextPath(std::size_t position) const;

    IFileSystem& files_;
    std::string dataFolder_;
    std::string section_;
};

} // namespace corvalith
