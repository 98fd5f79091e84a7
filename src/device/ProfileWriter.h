#pragma once

#include "device/DeviceLink.h"
#include "device/DeviceQueries.h"
#include "device/DeviceStateArea.h"
#include "device/ProfileGroup.h"
#include "device/UploadStatus.h"
#include "profile/ProfileSettings.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>

namespace corvalith {

// Sends the reports of one upload for a given profile: the commands and blocks that reprogram the mouse,
// with the waits the mouse needs. It runs on whichever thread runs the uploads (the device worker in the
// program, the caller in the command-line tool), one operation at a time, and keeps the device state
// area (the queries' answers and the staging buffers) and what the mouse holds, group by group, since
// this program last wrote it on the present connection.
class ProfileWriter {
public:
    ProfileWriter(DeviceLink& link, IDebugOutput& debug);

    // The groups an operation sends; a switch sends those of them that differ from what the mouse holds.
    static ProfileGroups GroupsOf(UploadKind kind);
    // How many reports the groups send (feature reports set and read, output and input reports).
    static std::uint16_t ReportCount(ProfileGroups groups);

    // Sends the operation's reports. progress hears its start, each report and its end; while *stop is
    // true the remaining reports are dropped. True when every report went through.
    bool Run(UploadKind kind, const ProfileSettings& profile, IUploadProgress* progress = nullptr,
             const std::atomic<bool>* stop = nullptr);

    // The groups a switch to `profile` would send now.
    ProfileGroups Differing(const ProfileSettings& profile) const;
    // What the mouse holds, as far as this program knows: a profile for the groups it knows (every group
    // taken from the profile its last complete write of that group carried), or nothing.
    std::optional<ProfileSettings> HeldGroup(ProfileGroup group) const;
    // Forgets what the mouse holds (another program may have written it).
    void ForgetHeld();
    // What an earlier run left the mouse holding (the command-line tool's state file): the groups named hold
    // what the profile carries, on the present connection.
    void Remember(const ProfileSettings& profile, ProfileGroups groups);
    // The groups whose content is known on the present connection.
    ProfileGroups Known() const;

private:
    void Send(ProfileGroup group);
    void SendPollingRate();
    void SendSensitivity();
    void SendDpi();
    void SendButtonTable();
    void UploadMacros();
    void SendLighting();
    void SendLiftOff();

    DeviceLink& link_;
    HidTransport& transport_;
    DeviceStateArea state_{};
    DeviceQueries queries_;
    std::uint32_t connection_ = 0; // the connection the state area and the held groups belong to
    std::array<std::optional<ProfileSettings>, kProfileGroupCount> held_{};
    // The running operation's profile and interface.
    const ProfileSettings* profile_ = nullptr;
    IHidDevice* device_ = nullptr;
};

} // namespace corvalith
