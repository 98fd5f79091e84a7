#pragma once

namespace corvalith {

// Writes the whole working profile to the mouse.
class IProfileUploader {
public:
    virtual ~IProfileUploader() = default;
    virtual bool IsDeviceConnected() const = 0;
    virtual void WriteProfileToMouse() = 0;
};

} // namespace corvalith
