#include "sim/VirtualMouse.h"

#include "device/CommandCode.h"
#include "device/CommandFrame.h"

#include <algorithm>

namespace corvalith {

namespace {

constexpr std::size_t PortIndex(VirtualMouse::Port port) {
    return static_cast<std::size_t>(port);
}

struct PortInfo {
    const char* path;
    HidAttributes attributes;
    HidCaps caps;
};

// Paths in the form the Windows device stack gives them, identity, and capabilities of each interface.
const PortInfo kPorts[] = {
    {R"(\\?\HID#VID_046D&PID_C31C&MI_00#7&2b1f3a40&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})",
     {0x046D, 0xC31C, 0x6400},
     {6, 0x0001, 9, 0, 0}},
    {R"(\\?\HID#VID_260D&PID_1005&MI_00#8&1c5e2a11&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})",
     {0x260D, 0x1005, 0x0100},
     {2, 0x0001, 8, 0, 0}},
    {R"(\\?\HID#VID_260D&PID_1005&MI_01&Col01#8&2d6f3b22&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})",
     {0x260D, 0x1005, 0x0100},
     {1, 0xFF01, VirtualMouse::kDataReportLength, VirtualMouse::kDataReportLength, 9}},
    {R"(\\?\HID#VID_260D&PID_1005&MI_01&Col02#8&2d6f3b22&0&0001#{4d1e55b2-f16f-11cf-88cb-001111000030})",
     {0x260D, 0x1005, 0x0100},
     {1, 0xFF02, VirtualMouse::kEventReportLength, 0, 0}},
};

} // namespace

// One opened interface of the virtual mouse. It stays bound to the plug it was opened in: once that
// interface is unplugged every call fails, as with a real handle of a removed device.
class VirtualMouse::Handle : public IHidDevice {
public:
    Handle(VirtualMouse& mouse, Port port, std::uint64_t generation, HidOpenMode mode)
        : mouse_(mouse), port_(port), generation_(generation), mode_(mode) {}

    bool GetAttributes(HidAttributes& attributes) override {
        attributes = kPorts[PortIndex(port_)].attributes;
        return true;
    }
    bool GetPreparsedData() override { return true; }
    bool GetCaps(HidCaps& caps) override {
        caps = kPorts[PortIndex(port_)].caps;
        return true;
    }
    void Close() override {
        std::lock_guard lock(mouse_.mutex_);
        closed_ = true;
        cancelled_ = true;
        mouse_.events_.notify_all();
    }
    bool SetFeature(std::span<const std::uint8_t> report) override {
        return Usable() && mouse_.HandleSetFeature(port_, generation_, report);
    }
    bool GetFeature(std::span<std::uint8_t> report) override {
        return Usable() && mouse_.HandleGetFeature(port_, generation_, report);
    }
    bool WriteOutput(std::span<const std::uint8_t> report) override {
        return Usable() && mouse_.HandleWrite(port_, generation_, report);
    }
    std::size_t ReadInput(std::span<std::uint8_t> report) override {
        return mode_ == HidOpenMode::Probe ? 0 : mouse_.HandleRead(port_, generation_, report, cancelled_);
    }
    void CancelRead() override {
        std::lock_guard lock(mouse_.mutex_);
        cancelled_ = true;
        mouse_.events_.notify_all();
    }

private:
    bool Usable() {
        std::lock_guard lock(mouse_.mutex_);
        return !closed_ && mode_ != HidOpenMode::Probe;
    }

    VirtualMouse& mouse_;
    Port port_;
    std::uint64_t generation_;
    HidOpenMode mode_;
    bool closed_ = false;
    bool cancelled_ = false; // guarded by the mouse's mutex
};

VirtualMouse::VirtualMouse(TraceWriter& trace) : trace_(trace) {
    present_[PortIndex(Port::Keyboard)] = true;
    // What the mouse shows before anyone configured it: yellow, then its own lighting parameters.
    firmware_.LightingBlock[0] = 0xFF;
    firmware_.LightingBlock[1] = 0xFF;
    firmware_.LightingBlock[2] = 0x00;
    for (std::size_t i = 3; i < firmware_.LightingBlock.size(); ++i) {
        firmware_.LightingBlock[i] = static_cast<std::uint8_t>(0x10 + i);
    }
}

VirtualMouse::~VirtualMouse() = default;

std::string VirtualMouse::PathOf(Port port) {
    return kPorts[PortIndex(port)].path;
}

void VirtualMouse::Plug() {
    std::vector<std::pair<DeviceChangeEvent, std::string>> changes;
    {
        std::lock_guard lock(mutex_);
        for (const Port port : {Port::Mouse, Port::Configuration, Port::Event}) {
            if (!present_[PortIndex(port)]) {
                present_[PortIndex(port)] = true;
                ++generation_[PortIndex(port)];
                changes.emplace_back(DeviceChangeEvent::Arrival, PathOf(port));
            }
        }
    }
    Announce(changes);
}

void VirtualMouse::Unplug(Unplugged which) {
    std::vector<std::pair<DeviceChangeEvent, std::string>> changes;
    {
        std::lock_guard lock(mutex_);
        UnplugLocked(which, changes);
    }
    Announce(changes);
}

void VirtualMouse::UnplugLocked(Unplugged which,
                                std::vector<std::pair<DeviceChangeEvent, std::string>>& changes) {
    std::vector<Port> ports;
    switch (which) {
    case Unplugged::All:
        ports = {Port::Mouse, Port::Configuration, Port::Event};
        break;
    case Unplugged::Mouse:
        ports = {Port::Mouse};
        break;
    case Unplugged::Configuration:
        ports = {Port::Configuration};
        break;
    case Unplugged::Event:
        ports = {Port::Event};
        break;
    }
    for (const Port port : ports) {
        if (present_[PortIndex(port)]) {
            present_[PortIndex(port)] = false;
            ++generation_[PortIndex(port)];
            changes.emplace_back(DeviceChangeEvent::RemoveComplete, PathOf(port));
        }
    }
    block_ = {};
    configInput_.clear();
    eventInput_.clear();
    events_.notify_all();
}

bool VirtualMouse::IsPlugged(Port port) const {
    std::lock_guard lock(mutex_);
    return present_[PortIndex(port)];
}

void VirtualMouse::PressDpiButton() {
    std::lock_guard lock(mutex_);
    if (!present_[PortIndex(Port::Event)]) {
        return;
    }
    for (std::uint8_t step = 1; step <= 7; ++step) {
        const auto stage = static_cast<std::uint8_t>((firmware_.CurrentStage + step) % 7);
        if ((firmware_.StageMask & (1u << stage)) != 0) {
            firmware_.CurrentStage = stage;
            break;
        }
    }
    std::vector<std::uint8_t> report(kEventReportLength, 0);
    report[0] = 0x04;
    report[1] = 0x01;
    report[3] = firmware_.CurrentStage;
    trace_.Record("event", report);
    eventInput_.push_back(std::move(report));
    events_.notify_all();
}

void VirtualMouse::SendEventReport(std::vector<std::uint8_t> report) {
    std::lock_guard lock(mutex_);
    // A report carries at least its report-ID byte; there is no empty one to send.
    if (!present_[PortIndex(Port::Event)] || report.empty()) {
        return;
    }
    trace_.Record("event", report);
    eventInput_.push_back(std::move(report));
    events_.notify_all();
}

void VirtualMouse::FailFeatureReports(bool fail) {
    std::lock_guard lock(mutex_);
    failFeatures_ = fail;
}

void VirtualMouse::ShortReads(bool shortReads) {
    std::lock_guard lock(mutex_);
    shortReads_ = shortReads;
}

void VirtualMouse::UnplugAfterReports(int reports) {
    std::lock_guard lock(mutex_);
    unplugAfter_ = reports;
}

void VirtualMouse::SetDeviceChangeListener(DeviceChangeListener listener) {
    std::lock_guard lock(mutex_);
    listener_ = std::move(listener);
}

VirtualMouse::Firmware VirtualMouse::State() const {
    std::lock_guard lock(mutex_);
    return firmware_;
}

bool VirtualMouse::BeginEnumeration() {
    std::lock_guard lock(mutex_);
    snapshot_.clear();
    for (const Port port : {Port::Keyboard, Port::Mouse, Port::Configuration, Port::Event}) {
        if (present_[PortIndex(port)]) {
            snapshot_.push_back(PathOf(port));
        }
    }
    return true;
}

bool VirtualMouse::InterfacePath(std::size_t index, std::string& path) {
    std::lock_guard lock(mutex_);
    if (index >= snapshot_.size()) {
        return false;
    }
    path = snapshot_[index];
    return true;
}

void VirtualMouse::EndEnumeration() {
    std::lock_guard lock(mutex_);
    snapshot_.clear();
}

std::unique_ptr<IHidDevice> VirtualMouse::Open(const std::string& path, HidOpenMode mode,
                                               std::uint32_t& error) {
    std::lock_guard lock(mutex_);
    for (const Port port : {Port::Keyboard, Port::Mouse, Port::Configuration, Port::Event}) {
        if (path == PathOf(port) && present_[PortIndex(port)]) {
            error = 0;
            return std::make_unique<Handle>(*this, port, generation_[PortIndex(port)], mode);
        }
    }
    error = 2; // file not found
    return nullptr;
}

bool VirtualMouse::AliveLocked(Port port, std::uint64_t generation) const {
    return present_[PortIndex(port)] && generation_[PortIndex(port)] == generation;
}

void VirtualMouse::CountReportLocked(std::vector<std::pair<DeviceChangeEvent, std::string>>& changes) {
    if (unplugAfter_ > 0 && --unplugAfter_ == 0) {
        UnplugLocked(Unplugged::All, changes);
    }
}

bool VirtualMouse::HandleSetFeature(Port port, std::uint64_t generation,
                                    std::span<const std::uint8_t> report) {
    std::vector<std::pair<DeviceChangeEvent, std::string>> changes;
    bool delivered = false;
    {
        std::lock_guard lock(mutex_);
        if (!AliveLocked(port, generation)) {
            return false;
        }
        trace_.Record("set-feature", report);
        if (!failFeatures_) {
            if (port == Port::Configuration && report.size() >= CommandFrame::kLength) {
                ExecuteFrameLocked(report.data());
            }
            delivered = true;
        }
        CountReportLocked(changes);
    }
    Announce(changes);
    return delivered;
}

bool VirtualMouse::HandleGetFeature(Port port, std::uint64_t generation, std::span<std::uint8_t> report) {
    std::vector<std::pair<DeviceChangeEvent, std::string>> changes;
    bool delivered = false;
    {
        std::lock_guard lock(mutex_);
        if (!AliveLocked(port, generation)) {
            return false;
        }
        if (!failFeatures_) {
            std::fill(report.begin(), report.end(), 0);
            std::copy_n(reply_.begin(), std::min(report.size(), reply_.size()), report.begin());
            trace_.Record("get-feature", report);
            delivered = true;
        }
        CountReportLocked(changes);
    }
    Announce(changes);
    return delivered;
}

bool VirtualMouse::HandleWrite(Port port, std::uint64_t generation, std::span<const std::uint8_t> report) {
    std::vector<std::pair<DeviceChangeEvent, std::string>> changes;
    {
        std::lock_guard lock(mutex_);
        if (!AliveLocked(port, generation) || port != Port::Configuration) {
            return false;
        }
        trace_.Record("write", report);
        if (block_.chunksLeft > 0 && !report.empty()) {
            const auto data = report.subspan(1, std::min<std::size_t>(64, report.size() - 1));
            block_.data.insert(block_.data.end(), data.begin(), data.end());
            block_.data.resize(block_.data.size() + (64 - data.size()), 0);
            if (--block_.chunksLeft == 0) {
                CommitBlockLocked();
            }
        }
        CountReportLocked(changes);
    }
    Announce(changes);
    return true;
}

std::size_t VirtualMouse::HandleRead(Port port, std::uint64_t generation, std::span<std::uint8_t> report,
                                     const bool& cancelled) {
    std::vector<std::pair<DeviceChangeEvent, std::string>> changes;
    std::size_t received = 0;
    {
        std::unique_lock lock(mutex_);
        if (port == Port::Event) {
            events_.wait(lock,
                         [&] { return cancelled || !AliveLocked(port, generation) || !eventInput_.empty(); });
            if (cancelled || !AliveLocked(port, generation)) {
                return 0;
            }
            const std::vector<std::uint8_t> next = std::move(eventInput_.front());
            eventInput_.pop_front();
            received = std::min(report.size(), next.size());
            std::copy_n(next.begin(), received, report.begin());
            return received;
        }
        if (port != Port::Configuration || !AliveLocked(port, generation) || configInput_.empty()) {
            return 0;
        }
        const std::vector<std::uint8_t> next = std::move(configInput_.front());
        configInput_.pop_front();
        received = std::min({report.size(), next.size(), shortReads_ ? std::size_t{8} : next.size()});
        std::copy_n(next.begin(), received, report.begin());
        trace_.Record("read", std::span<const std::uint8_t>(report.data(), received));
        CountReportLocked(changes);
    }
    Announce(changes);
    return received;
}

void VirtualMouse::ExecuteFrameLocked(const std::uint8_t* frame) {
    CommandFrame::Bytes bytes;
    std::copy_n(frame, bytes.size(), bytes.begin());
    if (!CommandFrame::IsValid(bytes)) {
        ++firmware_.RejectedFrames;
        return;
    }
    Firmware& f = firmware_;
    const auto answer = [this](std::initializer_list<std::uint8_t> data) {
        CommandFrame::Bytes reply{};
        std::copy(data.begin(), data.end(), reply.begin() + 1);
        reply[8] = CommandFrame::Checksum(reply);
        reply_ = reply;
    };
    switch (frame[1]) {
    case Code(CommandCode::PollingRate):
        f.PollingRate = frame[2];
        std::copy_n(frame + 3, 3, f.PollingExtra.begin());
        break;
    case Code(CommandCode::QueryPollingRate):
        answer({Code(CommandCode::QueryPollingRate), f.PollingRate, f.PollingExtra[0], f.PollingExtra[1],
                f.PollingExtra[2]});
        break;
    case Code(CommandCode::QueryDpiStage):
        answer({Code(CommandCode::QueryDpiStage), f.CurrentStage});
        break;
    case Code(CommandCode::Lighting):
        std::copy_n(frame + 2, 6, f.LightingMode.begin());
        break;
    case Code(CommandCode::DpiStages):
        f.CurrentStage = frame[2];
        f.StageMask = frame[3];
        std::copy_n(frame + 4, 4, f.StageCodes.begin());
        break;
    case Code(CommandCode::DpiUpperStages):
        std::copy_n(frame + 2, 3, f.StageCodes.begin() + 4);
        break;
    case Code(CommandCode::Sensitivity):
        f.SensitivityX = frame[2];
        f.SensitivityY = frame[3];
        break;
    case Code(CommandCode::LiftOff):
        f.LiftOff = frame[2];
        break;
    case Code(CommandCode::ButtonTable):
    case Code(CommandCode::MacroSlot):
    case Code(CommandCode::DpiStageColours):
    case Code(CommandCode::LightingBlock):
        block_ = {frame[1], frame[3], frame[4], {}};
        break;
    case Code(CommandCode::ReadLightingBlock): {
        // The header comes back as sent, then the block arrives as one input report.
        std::copy_n(frame, reply_.size(), reply_.begin());
        std::vector<std::uint8_t> report(kDataReportLength, 0);
        std::copy(f.LightingBlock.begin(), f.LightingBlock.end(), report.begin() + 1);
        configInput_.push_back(std::move(report));
        break;
    }
    default:
        break;
    }
}

void VirtualMouse::CommitBlockLocked() {
    Firmware& f = firmware_;
    const std::vector<std::uint8_t>& data = block_.data;
    switch (block_.code) {
    case Code(CommandCode::ButtonTable):
        std::copy_n(data.begin(), std::min(data.size(), f.ButtonTable.size()), f.ButtonTable.begin());
        break;
    case Code(CommandCode::MacroSlot):
        if (block_.index < f.MacroSlots.size()) {
            auto& slot = f.MacroSlots[block_.index];
            std::copy_n(data.begin(), std::min(data.size(), slot.size()), slot.begin());
        }
        break;
    case Code(CommandCode::DpiStageColours):
        std::copy_n(data.begin(), std::min(data.size(), f.StageColours.size()), f.StageColours.begin());
        break;
    case Code(CommandCode::LightingBlock):
        std::copy_n(data.begin(), std::min(data.size(), f.LightingBlock.size()), f.LightingBlock.begin());
        break;
    default:
        break;
    }
    block_ = {};
}

void VirtualMouse::Announce(const std::vector<std::pair<DeviceChangeEvent, std::string>>& changes) {
    DeviceChangeListener listener;
    {
        std::lock_guard lock(mutex_);
        listener = listener_;
    }
    if (listener) {
        for (const auto& [event, path] : changes) {
            listener(event, path);
        }
    }
}

} // namespace corvalith
