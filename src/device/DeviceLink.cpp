#include "device/DeviceLink.h"

#include "platform/TextFormat.h"

#include <cstdio>

namespace corvalith {

namespace {

constexpr std::uint32_t kAccessDenied = 5;
constexpr std::uint16_t kConfigurationUsagePage = 0xFF01;
constexpr std::uint16_t kEventUsagePage = 0xFF02;

// Frees the enumeration snapshot on every way out of a search.
class Enumeration {
public:
    explicit Enumeration(IHidSystem& hid) : hid_(hid), open_(hid.BeginEnumeration()) {}
    ~Enumeration() {
        if (open_) {
            hid_.EndEnumeration();
        }
    }
    bool Open() const { return open_; }

private:
    IHidSystem& hid_;
    bool open_;
};

} // namespace

DeviceLink::DeviceLink(IHidSystem& hid, IClock& clock, IDebugOutput& debug,
                       EventReader::Handler onStageChanged)
    : hid_(hid), debug_(debug), transport_(clock, debug), reader_(std::move(onStageChanged)) {}

DeviceLink::~DeviceLink() {
    Shutdown();
}

int DeviceLink::EnumHidMouseVender3360() {
    const Enumeration enumeration(hid_);
    return enumeration.Open() ? Search(Interface::Event) : 0;
}

int DeviceLink::EnumHidMouseHandle3360() {
    const Enumeration enumeration(hid_);
    return enumeration.Open() ? Search(Interface::Configuration) : 0;
}

int DeviceLink::Search(Interface which) {
    const bool event = which == Interface::Event;
    const char* name = event ? "EnumHidMouseVender3360" : "EnumHidMouseHandle3360";

    for (std::size_t index = 0;; ++index) {
        std::string path;
        if (!hid_.InterfacePath(index, path)) {
            debug_.Write("SetupDiEnumDeviceInterfaces failed.\n");
            return 0;
        }
        lastPath_ = path;

        std::uint32_t probeError = 0;
        std::unique_ptr<IHidDevice> probe = hid_.Open(path, HidOpenMode::Probe, probeError);
        debug_.Write(TextFormat::Printf("%s ReadWriteInfo GetLastError dwErrorCode = %d\n", name,
                                        static_cast<int>(probeError)));
        if (!probe) {
            if (probeError == kAccessDenied) {
                continue;
            }
            return 0;
        }

        HidAttributes attributes;
        probe->GetAttributes(attributes);
        debug_.Write(TextFormat::Printf("%s PID:%04x,VID:%04x,VersionNumber:%04x\n", name,
                                        attributes.ProductId, attributes.VendorId, attributes.VersionNumber));
        if (attributes.VendorId != kVendorId || attributes.ProductId != kProductId) {
            continue;
        }

        debug_.Write(event ? "nEnumHidMouseVender3360 Find our hid device.Success\n"
                           : "EnumHidMouseHandle3360 Find our hid device.Success\n");
        if (!probe->GetPreparsedData()) {
            if (probeError == kAccessDenied) {
                continue;
            }
            debug_.Write("HidD_GetPreparsedData failed.\n");
            return 0;
        }
        probe->Close();

        HidCaps caps;
        if (!probe->GetCaps(caps)) {
            if (probeError == kAccessDenied) {
                continue;
            }
            debug_.Write("HidP_GetCaps failed.");
            return 0;
        }
        debug_.Write(TextFormat::Printf(
            "%s DevicePath:%s,Usage:0x%04x,UsagePage:0x%04x,FeatureReportByteLength:0x%04x,"
            "InputReportByteLength:0x%x,OutputReportByteLength:0x%x\n",
            event ? "nEnumHidMouseVender 3360" : "EnumHidMouseHandle3360", path.c_str(), caps.Usage,
            caps.UsagePage, caps.FeatureReportByteLength, caps.InputReportByteLength,
            caps.OutputReportByteLength));

        const bool matches =
            event ? caps.UsagePage == kEventUsagePage && caps.Usage == 1 && caps.InputReportByteLength != 0
                  : caps.UsagePage == kConfigurationUsagePage && caps.Usage == 1 &&
                        caps.FeatureReportByteLength == CommandFrame::kLength;
        if (!matches) {
            continue;
        }

        std::uint32_t openError = 0;
        if (event) {
            std::unique_ptr<IHidDevice> opened = hid_.Open(path, HidOpenMode::ReadAsync, openError);
            if (!opened) {
                if (openError == kAccessDenied) {
                    continue;
                }
                return 0;
            }
            event_ = std::move(opened);
            eventInputLength_ = caps.InputReportByteLength;
            reader_.SetDevice(event_, eventInputLength_);
            debug_.Write("Vender OK");
            return 1;
        }
        std::unique_ptr<IHidDevice> opened = hid_.Open(path, HidOpenMode::ReadWrite, openError);
        if (!opened) {
            return 0;
        }
        {
            // An upload still running keeps the interface it holds until its operation ends.
            std::lock_guard lock(configurationMutex_);
            configuration_ = std::move(opened);
        }
        transport_.SetReportLengths(caps.FeatureReportByteLength, caps.InputReportByteLength,
                                    caps.OutputReportByteLength);
        SetConnected(true);
        debug_.Write("Handler OK");
        return 1;
    }
}

std::shared_ptr<IHidDevice> DeviceLink::ConfigurationDevice() const {
    std::lock_guard lock(configurationMutex_);
    return configuration_;
}

void DeviceLink::SetConnected(bool connected) {
    connected_.store(connected ? 1 : 0);
    reader_.SetConnected(connected);
}

bool DeviceLink::Connect() {
    bool connected = false;
    {
        // Both searches walk one list of the present interfaces, taken once per connection.
        const Enumeration enumeration(hid_);
        // A successful configuration search has set the connected flag.
        connected =
            enumeration.Open() && Search(Interface::Event) == 1 && Search(Interface::Configuration) == 1;
    }
    if (connected) {
        ++connections_;
        reader_.Wake();
    }
    return connected;
}

DeviceChangeOutcome DeviceLink::OnDeviceChange(std::uint32_t eventCode, std::uint32_t deviceType,
                                               std::string_view path) {
    if (deviceType != kDeviceTypeInterface || (path.find("Vid_260d&Pid_1005") == std::string_view::npos &&
                                               path.find("VID_260D&PID_1005") == std::string_view::npos)) {
        return DeviceChangeOutcome::Ignored;
    }
    if (eventCode == static_cast<std::uint32_t>(DeviceChangeEvent::Arrival)) {
        if (Connect()) {
            return DeviceChangeOutcome::Arrived;
        }
        SetConnected(false);
        return DeviceChangeOutcome::ArrivalFailed;
    }
    if (eventCode == static_cast<std::uint32_t>(DeviceChangeEvent::RemoveComplete)) {
        // One interface of several may have gone while the mouse stays: look again.
        if (Connect()) {
            return DeviceChangeOutcome::StillConnected;
        }
        debug_.Write("The system did not detect the Corvalith.");
        SetConnected(false);
        return DeviceChangeOutcome::Removed;
    }
    return DeviceChangeOutcome::Ignored;
}

void DeviceLink::Shutdown() {
    reader_.Stop();
    SetConnected(false);
    std::shared_ptr<IHidDevice> configuration;
    {
        std::lock_guard lock(configurationMutex_);
        configuration.swap(configuration_);
    }
    if (configuration) {
        configuration->Close();
    }
    if (event_) {
        event_->Close();
        event_.reset();
    }
}

} // namespace corvalith
