#pragma once

#include "profile/IMacroTableBuilder.h"
#include "profile/IPointerSettingsApplier.h"
#include "profile/IProfileUploader.h"

#include <string>
#include <vector>

namespace corvalith::test {

// Stand-ins for the macro builder, the profile upload and the pointer settings: each call is appended
// to one shared log, so a test can check what ran and in which order.
class StorageCollaborators : public IMacroTableBuilder,
                             public IProfileUploader,
                             public IPointerSettingsApplier {
public:
    void RebuildMacroBlockTable(const std::string& macrosFilePath, ProfileSettings& profile) override;
    void RebindButtons(const std::string&, ProfileSession&) override {}
    bool IsDeviceConnected() const override { return connected; }
    void WriteProfileToMouse() override;
    void WriteLiftOffToMouse() override { log.push_back("lift-off"); }
    void SwitchMouseToProfile() override;
    void ApplyPointerSettings(const ProfileSettings& profile) override;

    bool connected = false;
    // Written into every macro block when the table is rebuilt; 0 leaves the table alone.
    std::uint8_t macroFill = 0;
    const ProfileSettings* watched = nullptr; // the profile whose state is noted on upload
    std::vector<std::string> log;

private:
    // Logs an upload, with the watched profile's state.
    void Note(std::string entry);
};

} // namespace corvalith::test
