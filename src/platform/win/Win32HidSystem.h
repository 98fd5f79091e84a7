#pragma once

#include "platform/IHidSystem.h"

#include <string>
#include <vector>

namespace corvalith {

// The HID interfaces of the system through the Setup API and hid.dll.
class Win32HidSystem : public IHidSystem {
public:
    ~Win32HidSystem() override;

    bool BeginEnumeration() override;
    bool InterfacePath(std::size_t index, std::string& path) override;
    void EndEnumeration() override;
    std::unique_ptr<IHidDevice> Open(const std::string& path, HidOpenMode mode,
                                     std::uint32_t& error) override;

private:
    void* deviceInfo_ = nullptr; // HDEVINFO of the current enumeration
};

} // namespace corvalith
