#pragma once

#include "device/UploadKind.h"
#include "profile/ProfileSettings.h"

namespace corvalith {

// Takes an upload of the working profile as it is now: the device worker queues it, the command-line tool
// sends it at once.
class IUploadRunner {
public:
    virtual ~IUploadRunner() = default;
    virtual void Submit(UploadKind kind, const ProfileSettings& profile) = 0;
};

} // namespace corvalith
