#pragma once

#include "platform/IHidSystem.h"

#include <string>
#include <vector>

namespace corvalith {

// The HID interfaces of a Linux system through hidapi's hidraw backend, for the command-line tool.
// hidapi names no report lengths; interfaces of the mouse's two vendor pages get the lengths the mouse
// uses (feature 9, input and output 65), and a probe reads identity and usage from the enumeration
// without opening the device.
class HidapiSystem : public IHidSystem {
public:
    HidapiSystem();
    ~HidapiSystem() override;

    bool BeginEnumeration() override;
    bool InterfacePath(std::size_t index, std::string& path) override;
    void EndEnumeration() override;
    std::unique_ptr<IHidDevice> Open(const std::string& path, HidOpenMode mode,
                                     std::uint32_t& error) override;

    struct Entry {
        std::string path;
        HidAttributes attributes;
        HidCaps caps;
    };

private:
    std::vector<Entry> entries_;
};

} // namespace corvalith
