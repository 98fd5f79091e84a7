#pragma once

namespace corvalith {

// Writes the whole working profile to the mouse.
class IProfileUploader {
public:
    virtual ~IProfileUploader() = default;
    virtual bool IsDeviceConnected() const = 0;
    virtual void WriteProfileToMouse() = 0;
    // The lift-off command of the working profile, as a lift-off change sends it, without a save: a whole
    // profile write does not carry the lift-off level, so a profile that replaces another sends it after.
    virtual void WriteLiftOffToMouse() = 0;
    // The working profile put in place of another without the profile manager (the tray's quick switch, a
    // program coming to the front): only what differs from what the mouse holds, the lift-off command
    // included. Where nothing faster is known, everything, as the profile manager's select sends it.
    virtual void SwitchMouseToProfile() {
        WriteProfileToMouse();
        WriteLiftOffToMouse();
    }
};

} // namespace corvalith
