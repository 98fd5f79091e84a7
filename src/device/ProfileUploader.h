#pragma once

#include "device/DeviceLink.h"
#include "device/IUploadFeedback.h"
#include "device/IUploadRunner.h"
#include "device/ProfileWriter.h"
#include "profile/IProfileUploader.h"
#include "profile/ProfileSession.h"
#include "profile/ProfileStorage.h"

#include <string>

namespace corvalith {

// Turns a change of the working profile into an upload: the whole profile, or one group of settings right
// after the user changed it. Each partial operation saves the profile and its captions and refreshes the
// applied snapshot at once, then hands a copy of the working profile to the runner: the device worker in
// the program, which sends it on its own thread; without one, it is sent at once on the caller's thread.
// Without a mouse the commands fail silently and the profile is still saved.
class ProfileUploader : public IProfileUploader {
public:
    ProfileUploader(DeviceLink& link, ProfileSession& session, ProfileStorage& storage,
                    IUploadFeedback& feedback, IDebugOutput& debug);

    // The language section the captions are saved under ("Setting-EN"...).
    void SetCaptionSection(std::string section) { captionSection_ = std::move(section); }
    // Where the uploads go from now on; null sends them at once through the writer.
    void SetRunner(IUploadRunner* runner) { runner_ = runner; }
    ProfileWriter& Writer() { return writer_; }

    bool IsDeviceConnected() const override { return link_.IsConnected(); }
    // Everything; saves, but leaves the snapshot to the caller.
    void WriteProfileToMouse() override;
    void WriteLiftOffToMouse() override;
    // Saves, then sends the groups that differ from what the mouse holds.
    void SwitchMouseToProfile() override;

    void ApplyButtons();
    void ApplySensitivity();
    void ApplyDpi();
    void ApplyPollingRate();
    void ApplyLighting();
    void ApplyLiftOff();

    // The save that comes with every partial operation: the profile and its captions.
    void SaveProfileAndCaptions();

private:
    void Partial(UploadKind kind);
    void Submit(UploadKind kind);

    DeviceLink& link_;
    ProfileSession& session_;
    ProfileStorage& storage_;
    IUploadFeedback& feedback_;
    ProfileWriter writer_;
    IUploadRunner* runner_ = nullptr;
    std::string captionSection_ = "Setting-EN";
};

} // namespace corvalith
