#pragma once

#include "app/IButtonUploads.h"
#include "app/ISettingsUploads.h"
#include "device/ProfileUploader.h"
#include "profile/IPointerSettingsApplier.h"
#include "profile/ProfileSession.h"

namespace corvalith {

// The running program's uploads: the profile groups through the profile uploader, the pointer settings of
// the working profile through the pointer-settings applier.
class ProgramUploads : public ISettingsUploads, public IButtonUploads {
public:
    ProgramUploads(ProfileUploader& uploader, IPointerSettingsApplier& pointer, const ProfileSession& session)
        : uploader_(uploader), pointer_(pointer), session_(session) {}

    void ApplySensitivity() override { uploader_.ApplySensitivity(); }
    void ApplyLiftOff() override { uploader_.ApplyLiftOff(); }
    void ApplyDpi() override { uploader_.ApplyDpi(); }
    void ApplyPollingRate() override { uploader_.ApplyPollingRate(); }
    void ApplyLighting() override { uploader_.ApplyLighting(); }
    void ApplyPointerSettings() override { pointer_.ApplyPointerSettings(session_.Working); }
    void SaveProfile() override { uploader_.SaveProfileAndCaptions(); }
    void ApplyButtons() override { uploader_.ApplyButtons(); }

private:
    ProfileUploader& uploader_;
    IPointerSettingsApplier& pointer_;
    const ProfileSession& session_;
};

} // namespace corvalith
