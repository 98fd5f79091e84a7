#pragma once

#include "platform/HidTypes.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace corvalith {

// One opened HID interface. Reports are passed with their report-ID byte first and at the interface's
// report length. Every call may fail (the mouse may be gone); a failed read leaves the buffer untouched.
class IHidDevice {
public:
    virtual ~IHidDevice() = default;

    virtual bool GetAttributes(HidAttributes& attributes) = 0;
    // Reads and keeps the interface's preparsed report descriptor; GetCaps reads from it, also after
    // Close.
    virtual bool GetPreparsedData() = 0;
    virtual bool GetCaps(HidCaps& caps) = 0;
    // Closes the handle. Pending and later transfers fail.
    virtual void Close() = 0;

    virtual bool SetFeature(std::span<const std::uint8_t> report) = 0;
    virtual bool GetFeature(std::span<std::uint8_t> report) = 0;
    virtual bool WriteOutput(std::span<const std::uint8_t> report) = 0;
    // Waits for the next input report; returns the number of bytes received, 0 on failure.
    virtual std::size_t ReadInput(std::span<std::uint8_t> report) = 0;
    // Makes a ReadInput waiting on another thread, and every later one, return 0 at once: the device is
    // being replaced or the program is stopping.
    virtual void CancelRead() = 0;
};

} // namespace corvalith
