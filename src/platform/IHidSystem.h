#pragma once

#include "platform/HidTypes.h"
#include "platform/IHidDevice.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace corvalith {

// The system's list of present HID interfaces, walked by index the way the device-interface
// enumeration of Windows is, and opening an interface by its device path.
class IHidSystem {
public:
    virtual ~IHidSystem() = default;

    // Takes a snapshot of the present HID interfaces; false when the system cannot list them.
    virtual bool BeginEnumeration() = 0;
    // The device path of interface `index` of the snapshot; false when there are no more.
    virtual bool InterfacePath(std::size_t index, std::string& path) = 0;
    virtual void EndEnumeration() = 0;

    // Opens an interface. `error` receives the system error code the open left (5 = access denied);
    // null when the interface cannot be opened.
    virtual std::unique_ptr<IHidDevice> Open(const std::string& path, HidOpenMode mode,
                                             std::uint32_t& error) = 0;
};

} // namespace corvalith
