// libFuzzer target: any bytes as what the mouse answers. The first six bytes are the report lengths its
// interfaces announce (configuration input and output, event input; 16 bits each, little-endian); the rest
// is a stream of reports, each a length byte and up to that many bytes, handed out in order: first the
// replies to the queries and the lighting block read of a full upload on the configuration interface, then
// the input reports of the event interface, read by the reader thread until a read fails (an empty
// report or the end of the stream). No answer may
// crash the program; every DPI-stage event handed on names a stage 0 to 7, and the balloon text of that
// stage shows a DPI the profile holds.
#include "FuzzFolder.h"
#include "app/DpiBalloonText.h"
#include "cli/QuietHost.h"
#include "device/DeviceLink.h"
#include "device/EventReader.h"
#include "device/ProfileUploader.h"
#include "platform/FixedDataFolderLocator.h"
#include "profile/ProfileStorage.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

using namespace corvalith;

// The reports still to be answered, shared by both interfaces (they are read one after the other).
class ReportStream {
public:
    ReportStream(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // Copies the next report into `out`; nothing when the stream has ended.
    std::optional<std::size_t> Next(std::span<std::uint8_t> out) {
        std::lock_guard lock(mutex_);
        if (position_ >= size_) {
            return std::nullopt;
        }
        const std::size_t announced = data_[position_++];
        const std::size_t count = std::min({announced, out.size(), size_ - position_});
        std::memcpy(out.data(), data_ + position_, count);
        position_ += count;
        return count;
    }
    std::uint16_t Length() {
        std::lock_guard lock(mutex_);
        std::uint16_t value = 0;
        for (int shift = 0; shift < 16 && position_ < size_; shift += 8) {
            value = static_cast<std::uint16_t>(value | data_[position_++] << shift);
        }
        return value;
    }
    // The event interface's reads stop at the first failed one (an empty report or the end of the stream).
    void ReadFailed() {
        std::lock_guard lock(mutex_);
        readFailed_ = true;
        readFailedSignal_.notify_all();
    }
    bool WaitForFailedRead() {
        std::unique_lock lock(mutex_);
        return readFailedSignal_.wait_for(lock, std::chrono::seconds(60), [this] { return readFailed_; });
    }

private:
    std::mutex mutex_;
    std::condition_variable readFailedSignal_;
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
    bool readFailed_ = false;
};

class AnsweringDevice : public IHidDevice {
public:
    AnsweringDevice(ReportStream& stream, HidCaps caps) : stream_(stream), caps_(caps) {}

    bool GetAttributes(HidAttributes& attributes) override {
        attributes = {DeviceLink::kVendorId, DeviceLink::kProductId, 0x0100};
        return true;
    }
    bool GetPreparsedData() override { return true; }
    bool GetCaps(HidCaps& caps) override {
        caps = caps_;
        return true;
    }
    void Close() override {}
    bool SetFeature(std::span<const std::uint8_t>) override { return true; }
    bool GetFeature(std::span<std::uint8_t> report) override { return stream_.Next(report).has_value(); }
    bool WriteOutput(std::span<const std::uint8_t>) override { return true; }
    std::size_t ReadInput(std::span<std::uint8_t> report) override {
        const std::size_t received = stream_.Next(report).value_or(0);
        if (received == 0) {
            stream_.ReadFailed();
        }
        return received;
    }
    void CancelRead() override {}

private:
    ReportStream& stream_;
    HidCaps caps_;
};

// The event interface first, then the configuration interface.
class AnsweringSystem : public IHidSystem {
public:
    AnsweringSystem(ReportStream& stream, HidCaps event, HidCaps configuration)
        : stream_(stream), caps_{event, configuration} {}

    bool BeginEnumeration() override { return true; }
    bool InterfacePath(std::size_t index, std::string& path) override {
        if (index >= 2) {
            return false;
        }
        path = index == 0 ? "\\\\?\\hid#vid_260d&pid_1005&mi_02#1" : "\\\\?\\hid#vid_260d&pid_1005&mi_01#1";
        return true;
    }
    void EndEnumeration() override {}
    std::unique_ptr<IHidDevice> Open(const std::string& path, HidOpenMode, std::uint32_t& error) override {
        error = 0;
        return std::make_unique<AnsweringDevice>(stream_, caps_[path.find("mi_01") != std::string::npos]);
    }

private:
    ReportStream& stream_;
    HidCaps caps_[2];
};

class NoWaits : public IClock {
public:
    std::uint32_t NowMilliseconds() override { return now_; }
    void SleepMilliseconds(std::uint32_t milliseconds) override { now_ += milliseconds; }

private:
    std::uint32_t now_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ReportStream stream(data, size);
    const std::uint16_t configurationInput = stream.Length();
    const std::uint16_t configurationOutput = stream.Length();
    const std::uint16_t eventInput = stream.Length();
    const HidCaps eventCaps{1, 0xFF02, eventInput, 0, 0};
    const HidCaps configurationCaps{1, 0xFF01, configurationInput, configurationOutput, 9};

    QuietHost quiet;
    NoWaits clock;
    AnsweringSystem system(stream, eventCaps, configurationCaps);
    fuzz::FuzzFolder folder;
    FixedDataFolderLocator locator("/d/");
    ProfileSession session;
    session.Working = ProfileSettings::FactoryDefaults();
    session.TakeSnapshot();
    ProfileStorage storage(session, {folder, quiet, locator, quiet, quiet, quiet});

    DeviceLink link(system, clock, quiet, [](std::uint8_t) {});
    if (link.Connect()) {
        ProfileUploader uploader(link, session, storage, quiet, quiet);
        uploader.WriteProfileToMouse();
    }
    link.Shutdown();

    // The event interface, read the way the program reads it, without pauses between failed reads.
    std::mutex stagesMutex;
    std::vector<std::uint8_t> stages;
    EventReader reader(
        [&](std::uint8_t stage) {
            std::lock_guard lock(stagesMutex);
            stages.push_back(stage);
        },
        {0, std::chrono::milliseconds(0)});
    reader.SetDevice(std::make_shared<AnsweringDevice>(stream, eventCaps), eventInput);
    reader.SetConnected(true);
    if (reader.Start()) {
        reader.Wake();
        if (!stream.WaitForFailedRead()) {
            std::abort(); // the reader stopped reading before a read failed
        }
    }
    reader.Stop();

    const DpiBalloonText::StageTexts texts = {"1", "2", "3", "4", "5", "6", "7", "8"};
    DpiBalloonText balloon;
    for (const std::uint8_t stage : stages) {
        if (stage > 7) {
            std::abort();
        }
        const std::string expected =
            texts[stage] + "(" + std::to_string(session.AppliedSnapshot.DpiValuesB[stage] * 100) + ")";
        if (balloon.ForStage(stage, texts, session.AppliedSnapshot) != expected) {
            std::abort();
        }
    }
    return 0;
}
