#pragma once

#include "device/DeviceLink.h"
#include "device/DeviceQueries.h"
#include "device/IUploadFeedback.h"
#include "profile/IProfileUploader.h"
#include "profile/ProfileSession.h"
#include "profile/ProfileStorage.h"

#include <string>

namespace corvalith {

// Turns the working profile into the commands and blocks that reprogram the mouse: the whole profile,
// or one group of settings right after the user changed it. Each partial operation ends by saving the
// profile and its captions and refreshing the applied snapshot; without a mouse the commands fail
// silently and the profile is still saved.
class ProfileUploader : public IProfileUploader {
public:
    ProfileUploader(DeviceLink& link, ProfileSession& session, ProfileStorage& storage,
                    IUploadFeedback& feedback, IDebugOutput& debug);

    // The language section the captions are saved under ("Setting-EN"...).
    void SetCaptionSection(std::string section) { captionSection_ = std::move(section); }

    bool IsDeviceConnected() const override { return link_.IsConnected(); }
    // Everything; ends with the save but leaves the snapshot to the caller.
    void WriteProfileToMouse() override;
    void WriteLiftOffToMouse() override;

    void ApplyButtons();
    void ApplySensitivity();
    void ApplyDpi();
    void ApplyPollingRate();
    void ApplyLighting();
    void ApplyLiftOff();

    // The twelve macro slot transfers.
    void UploadMacros();
    // The save that ends every partial operation: the profile and its captions.
    void SaveProfileAndCaptions();

private:
    template <typename Steps> void Partial(Steps steps);
    void SendPollingRate();
    void SendSensitivity();
    void SendDpi();
    void SendButtonTable();
    void SendLighting();
    void SendLiftOff();

    DeviceLink& link_;
    ProfileSession& session_;
    ProfileStorage& storage_;
    IUploadFeedback& feedback_;
    DeviceQueries queries_;
    std::string captionSection_ = "Setting-EN";
};

} // namespace corvalith
