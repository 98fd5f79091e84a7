#pragma once

#include "device/IUploadFeedback.h"
#include "platform/IDataFolderLocator.h"
#include "platform/IDebugOutput.h"
#include "profile/IMacroTableBuilder.h"
#include "profile/IPointerSettingsApplier.h"
#include "profile/IProfileUploader.h"

namespace corvalith {

// The program's surroundings that the command-line tool has no use for: no window to show a lift-off slider
// in, no debug output, no macros file, no Windows pointer settings, no data folder.
class QuietHost : public IDebugOutput,
                  public IUploadFeedback,
                  public IMacroTableBuilder,
                  public IPointerSettingsApplier,
                  public IProfileUploader,
                  public IDataFolderLocator {
public:
    void Write(std::string_view) override {}
    void EnableLiftOffSlider(bool) override {}
    void RebuildMacroBlockTable(const std::string&, ProfileSettings&) override {}
    void RebindButtons(const std::string&, ProfileSession&) override {}
    void ApplyPointerSettings(const ProfileSettings&) override {}
    bool IsDeviceConnected() const override { return false; }
    void WriteProfileToMouse() override {}
    void WriteLiftOffToMouse() override {}
    std::string DataFolder() override { return {}; }
};

} // namespace corvalith
