#pragma once

#include "framework/IPrompts.h"
#include "platform/IDebugOutput.h"
#include "platform/IFileSystem.h"
#include "profile/CaptionFile.h"
#include "profile/IPointerSettingsApplier.h"
#include "profile/IProfileUploader.h"
#include "profile/IProfileWindow.h"
#include "profile/ProfileSession.h"
#include "profile/ProfileStorage.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace corvalith {

// What the profile manager asks of the main window for one list position: import a file pair into it,
// export it, select it or create it. The working profile is the loaded profile's; every operation keeps
// the lift-off switch of the working profile as it was.
class ProfileOperations {
public:
    enum class Operation { Import = 0, Export = 1, Select = 2, Create = 3 };

    struct Services {
        ProfileStorage& Storage;
        IFileSystem& Files;
        IPrompts& Prompts;
        IProfileUploader& Uploader;
        IPointerSettingsApplier& Pointer;
        IDebugOutput& Debug;
    };

    using Captions = CaptionFile::Captions;

    static constexpr const char* kFileFilter = "Gaming Mouse Profile(*.bin)|*.bin||";
    // Hide read-only, prompt before overwriting, file must exist.
    static constexpr std::uint32_t kFileDialogFlags = 0x1006;
    // A captions file beside an imported profile is a few hundred bytes; a larger one than this is taken
    // as missing rather than read whole into memory.
    static constexpr std::size_t kMaxCaptionFileBytes = 1024 * 1024;

    ProfileOperations(ProfileSession& session, Services services);

    // captionSection: the language section of the captions ("Setting-EN"...); owner: of the file dialogs.
    void Run(Operation operation, int position, std::string_view captionSection, PromptOwner owner,
             IProfileWindow& window);

    // How a profile that replaces another reaches the mouse: whole, as the profile manager sends it, or only
    // what differs from what the mouse holds (the tray's quick switch, a program coming to the front).
    enum class MouseWrite { Whole, Changes };

    void Select(int position, std::string_view captionSection, IProfileWindow& window,
                MouseWrite write = MouseWrite::Whole);
    void Create(int position, std::string_view captionSection, IProfileWindow& window);
    // Reads a chosen file pair into the entry at the position, which becomes the loaded profile. Only a
    // file of exactly 1893 bytes is read; the captions of its ".ini" are taken even when it is refused.
    // A cancelled dialog, a refused name or a missing file changes nothing.
    void ImportProfile(int position, std::string_view captionSection, PromptOwner owner,
                       IProfileWindow& window);
    // Writes the settings and captions of the entry at the position to a chosen file pair. It changes
    // no stored profile, not the working profile and nothing on the mouse.
    void ExportProfile(int position, std::string_view captionSection, PromptOwner owner);

    // The captions "Item1".."Item7" into / "Item1".."Item8" out of the language section of a text file.
    int ExportCaptions(const std::string& iniPath, const Captions& captions, std::string_view section);
    Captions ImportCaptions(const std::string& iniPath, std::string_view section) const;

    // The profile file of an export: the chosen name, with ".bin" added unless it already ends so.
    static std::string ExportBinaryPath(const std::string& chosen);
    // The captions file beside a profile file: the same path with the extension ".ini".
    static std::string CaptionPath(const std::string& binaryPath);

private:
    // The captions of an import's ".ini"; nothing when it is missing, unreadable or too large.
    std::optional<Captions> ReadCaptionFile(const std::string& iniPath, std::string_view section) const;
    std::string NumberedPath(const char* stem, int position, const char* extension) const;
    // Sends the working profile to the mouse (which saves it) or, without a mouse, saves it; then hands
    // its pointer settings to Windows, so that the pages show the values Windows uses.
    void StoreAndSend(std::string_view captionSection, MouseWrite write = MouseWrite::Whole);
    void Debug(const std::string& line) { services_.Debug.Write(line); }

    ProfileSession& session_;
    Services services_;
};

} // namespace corvalith
