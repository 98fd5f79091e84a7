#pragma once

#include "device/DeviceLink.h"
#include "device/DeviceQueries.h"
#include "device/DeviceStateArea.h"
#include "device/UploadStatus.h"
#include "profile/ProfileSettings.h"

#include <atomic>
#include <cstdint>

namespace corvalith {

// Sends the reports of one upload for a given profile: the commands and blocks that reprogram the mouse,
// with the waits the mouse needs. It runs on whichever thread runs the uploads (the device worker in the
// program, the caller in the command-line tool), one operation at a time, and keeps the device state
// area: the queries' answers and the staging buffers.
class ProfileWriter {
public:
    ProfileWriter(DeviceLink& link, IDebugOutput& debug);

    // How many reports an operation sends (feature reports set and read, output and input reports).
    static std::uint16_t ReportCount(UploadKind kind);

    // Sends the operation's reports. progress hears its start, each report and its end; while *stop is
    // true the remaining reports are dropped. True when every report went through.
    bool Run(UploadKind kind, const ProfileSettings& profile, IUploadProgress* progress = nullptr,
             const std::atomic<bool>* stop = nullptr);

private:
    void Send(UploadKind kind);
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
    std::uint32_t connection_ = 0; // the connection the state area belongs to
    // The running operation's profile and interface.
    const ProfileSettings* profile_ = nullptr;
    IHidDevice* device_ = nullptr;
};

} // namespace corvalith
