#include "device/ProfileUploader.h"

namespace corvalith {

ProfileUploader::ProfileUploader(DeviceLink& link, ProfileSession& session, ProfileStorage& storage,
                                 IUploadFeedback& feedback, IDebugOutput& debug)
    : link_(link), session_(session), storage_(storage), feedback_(feedback), writer_(link, debug) {}

void ProfileUploader::Submit(UploadKind kind) {
    if (runner_ != nullptr) {
        runner_->Submit(kind, session_.Working);
    } else {
        writer_.Run(kind, session_.Working);
    }
}

void ProfileUploader::WriteProfileToMouse() {
    SaveProfileAndCaptions();
    Submit(UploadKind::Whole);
}

void ProfileUploader::Partial(UploadKind kind) {
    // Saved before the mouse is written, so that a program ended during the upload loses nothing.
    SaveProfileAndCaptions();
    session_.TakeSnapshot();
    Submit(kind);
}

void ProfileUploader::ApplyButtons() {
    Partial(UploadKind::Buttons);
}

void ProfileUploader::ApplySensitivity() {
    Partial(UploadKind::Sensitivity);
}

void ProfileUploader::ApplyDpi() {
    Partial(UploadKind::Dpi);
}

void ProfileUploader::ApplyPollingRate() {
    Partial(UploadKind::PollingRate);
}

void ProfileUploader::ApplyLighting() {
    Partial(UploadKind::Lighting);
}

void ProfileUploader::ApplyLiftOff() {
    feedback_.EnableLiftOffSlider(session_.Working.LiftOffEnabled != 0);
    Partial(UploadKind::LiftOff);
}

void ProfileUploader::WriteLiftOffToMouse() {
    Submit(UploadKind::LiftOff);
    feedback_.EnableLiftOffSlider(session_.Working.LiftOffEnabled != 0);
}

void ProfileUploader::SwitchMouseToProfile() {
    SaveProfileAndCaptions();
    Submit(UploadKind::Switch);
    feedback_.EnableLiftOffSlider(session_.Working.LiftOffEnabled != 0);
}

void ProfileUploader::SaveProfileAndCaptions() {
    storage_.SaveProfile();
    storage_.SaveCaptions(captionSection_);
}

} // namespace corvalith
