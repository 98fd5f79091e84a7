#include "doubles/ScriptedHidSystem.h"

namespace corvalith::test {

namespace {

class ScriptedDevice : public IHidDevice {
public:
    explicit ScriptedDevice(const ScriptedHidSystem::Entry& entry) : entry_(entry) {}
    bool GetAttributes(HidAttributes& attributes) override {
        attributes = entry_.attributes;
        return true;
    }
    bool GetPreparsedData() override { return entry_.preparsedOk; }
    bool GetCaps(HidCaps& caps) override {
        if (entry_.capsOk) {
            caps = entry_.caps;
        }
        return entry_.capsOk;
    }
    void Close() override {}
    bool SetFeature(std::span<const std::uint8_t>) override { return true; }
    bool GetFeature(std::span<std::uint8_t>) override { return true; }
    bool WriteOutput(std::span<const std::uint8_t>) override { return true; }
    std::size_t ReadInput(std::span<std::uint8_t>) override { return 0; }
    void CancelRead() override {}

private:
    ScriptedHidSystem::Entry entry_;
};

} // namespace

bool ScriptedHidSystem::InterfacePath(std::size_t index, std::string& path) {
    if (index >= entries.size()) {
        return false;
    }
    path = entries[index].path;
    return true;
}

std::unique_ptr<IHidDevice> ScriptedHidSystem::Open(const std::string& path, HidOpenMode mode,
                                                    std::uint32_t& error) {
    for (const Entry& entry : entries) {
        if (entry.path != path) {
            continue;
        }
        const char* kind = mode == HidOpenMode::Probe       ? "probe "
                           : mode == HidOpenMode::ReadWrite ? "readwrite "
                                                            : "async ";
        opened.push_back(kind + path);
        const bool opens = mode == HidOpenMode::Probe ? entry.probeOpens : entry.opens;
        error = mode == HidOpenMode::Probe ? entry.probeError : entry.openError;
        return opens ? std::make_unique<ScriptedDevice>(entry) : nullptr;
    }
    error = 2;
    return nullptr;
}

} // namespace corvalith::test
