#pragma once

#include "platform/IHidSystem.h"

#include <string>
#include <vector>

namespace corvalith::test {

// A list of HID interfaces whose every answer is scripted, for the discovery decisions.
class ScriptedHidSystem : public IHidSystem {
public:
    struct Entry {
        std::string path;
        std::uint32_t probeError = 0; // error the probe open leaves, also when it succeeds
        bool probeOpens = true;
        HidAttributes attributes{0x260D, 0x1005, 0x0100};
        bool preparsedOk = true;
        bool capsOk = true;
        HidCaps caps{};
        bool opens = true; // the open with access rights
        std::uint32_t openError = 0;
    };

    bool BeginEnumeration() override {
        ++enumerations;
        return listable;
    }
    bool InterfacePath(std::size_t index, std::string& path) override;
    void EndEnumeration() override { ++endEnumerations; }
    std::unique_ptr<IHidDevice> Open(const std::string& path, HidOpenMode mode,
                                     std::uint32_t& error) override;

    std::vector<Entry> entries;
    bool listable = true;
    int enumerations = 0;
    int endEnumerations = 0;
    std::vector<std::string> opened; // "probe PATH", "readwrite PATH", "async PATH"
};

} // namespace corvalith::test
