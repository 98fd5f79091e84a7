#include "platform/posix/HidapiSystem.h"
#include "platform/posix/SlicedRead.h"

#include <hidapi/hidapi.h>

#include <atomic>
#include <cerrno>

namespace corvalith {

namespace {

constexpr std::uint16_t kReportLength = 65;

HidCaps CapsOf(const hid_device_info& info) {
    HidCaps caps{info.usage, info.usage_page, 0, 0, 0};
    if (info.usage_page == 0xFF01) {
        caps = {info.usage, info.usage_page, kReportLength, kReportLength, 9};
    } else if (info.usage_page == 0xFF02) {
        caps.InputReportByteLength = kReportLength;
    }
    return caps;
}

class HidapiDevice : public IHidDevice {
public:
    HidapiDevice(HidapiSystem::Entry entry, hid_device* device, bool unnumbered)
        : entry_(std::move(entry)), device_(device), unnumbered_(unnumbered) {}
    ~HidapiDevice() override { Close(); }

    bool GetAttributes(HidAttributes& attributes) override {
        attributes = entry_.attributes;
        return true;
    }
    bool GetPreparsedData() override { return true; }
    bool GetCaps(HidCaps& caps) override {
        caps = entry_.caps;
        return true;
    }
    void Close() override {
        if (device_ != nullptr) {
            hid_close(device_);
            device_ = nullptr;
        }
    }
    bool SetFeature(std::span<const std::uint8_t> report) override {
        return device_ != nullptr && hid_send_feature_report(device_, report.data(), report.size()) >= 0;
    }
    bool GetFeature(std::span<std::uint8_t> report) override {
        return device_ != nullptr && hid_get_feature_report(device_, report.data(), report.size()) >= 0;
    }
    bool WriteOutput(std::span<const std::uint8_t> report) override {
        return device_ != nullptr && hid_write(device_, report.data(), report.size()) >= 0;
    }
    std::size_t ReadInput(std::span<std::uint8_t> report) override {
        if (device_ == nullptr || report.size() < 2) {
            return 0;
        }
        // Reports of the configuration interface have no number: hidapi hands over the data alone,
        // so the report-ID byte 0 is put back in front.
        const std::span<std::uint8_t> target = unnumbered_ ? report.subspan(1) : report;
        // The configuration interface answers a request: its reply is waited for up to the reply
        // time-out, and one that does not come is a failed read, never a report of zeros. The event
        // interface waits until a report comes or the read is cancelled.
        const int got = SlicedRead::Run(
            [&](int ms) { return hid_read_timeout(device_, target.data(), target.size(), ms); },
            [&] { return cancelled_.load(); },
            unnumbered_ ? SlicedRead::kReplyTimeoutMs : SlicedRead::kNoLimit);
        if (got <= 0) {
            return 0;
        }
        if (unnumbered_) {
            report[0] = 0;
            return static_cast<std::size_t>(got) + 1;
        }
        return static_cast<std::size_t>(got);
    }
    void CancelRead() override { cancelled_ = true; }

private:
    HidapiSystem::Entry entry_;
    hid_device* device_;
    bool unnumbered_;
    std::atomic<bool> cancelled_{false};
};

} // namespace

HidapiSystem::HidapiSystem() {
    hid_init();
}

HidapiSystem::~HidapiSystem() {
    hid_exit();
}

bool HidapiSystem::BeginEnumeration() {
    entries_.clear();
    hid_device_info* list = hid_enumerate(0, 0);
    for (const hid_device_info* info = list; info != nullptr; info = info->next) {
        entries_.push_back({info->path != nullptr ? info->path : "",
                            {info->vendor_id, info->product_id, info->release_number},
                            CapsOf(*info)});
    }
    hid_free_enumeration(list);
    return true;
}

bool HidapiSystem::InterfacePath(std::size_t index, std::string& path) {
    if (index >= entries_.size()) {
        return false;
    }
    path = entries_[index].path;
    return true;
}

void HidapiSystem::EndEnumeration() {}

std::unique_ptr<IHidDevice> HidapiSystem::Open(const std::string& path, HidOpenMode mode,
                                               std::uint32_t& error) {
    for (const Entry& entry : entries_) {
        if (entry.path != path) {
            continue;
        }
        error = 0;
        if (mode == HidOpenMode::Probe) {
            return std::make_unique<HidapiDevice>(entry, nullptr, false);
        }
        hid_device* device = hid_open_path(path.c_str());
        if (device == nullptr) {
            error = errno == EACCES ? 5 : static_cast<std::uint32_t>(errno != 0 ? errno : 2);
            return nullptr;
        }
        return std::make_unique<HidapiDevice>(entry, device, mode == HidOpenMode::ReadWrite);
    }
    error = 2;
    return nullptr;
}

} // namespace corvalith
