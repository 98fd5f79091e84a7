#pragma once

#include "platform/IHidSystem.h"
#include "sim/TraceWriter.h"

#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace corvalith {

// A model of the mouse's firmware behind the same HID interface as the real one: three interfaces (a
// standard mouse interface, the configuration interface and the event interface) listed after another
// maker's keyboard that is always present, checksum checking,
// the settings the firmware keeps, answers to the queries and to the lighting block read, user actions
// (plug, unplug, the DPI button) and fault injection. Every report crosses the trace.
class VirtualMouse : public IHidSystem {
public:
    enum class Port { Keyboard, Mouse, Configuration, Event };
    enum class Unplugged { All, Mouse, Configuration, Event };

    static constexpr std::uint16_t kEventReportLength = 9;
    static constexpr std::uint16_t kDataReportLength = 65;

    // What the firmware holds.
    struct Firmware {
        std::uint8_t PollingRate = 0x01;
        std::array<std::uint8_t, 3> PollingExtra = {0x02, 0x00, 0x01};
        std::array<std::uint8_t, 7> StageCodes = {5, 11, 23, 35, 47, 71, 119}; // DPI / 100 - 1
        std::uint8_t StageMask = 0xFF;
        std::uint8_t CurrentStage = 1;
        std::array<std::uint8_t, 64> StageColours{};
        std::uint8_t SensitivityX = 100;
        std::uint8_t SensitivityY = 100;
        std::uint8_t LiftOff = 3;
        std::array<std::uint8_t, 64> ButtonTable{};
        std::array<std::array<std::uint8_t, 192>, 12> MacroSlots{};
        std::array<std::uint8_t, 64> LightingBlock{};
        std::array<std::uint8_t, 6> LightingMode{}; // parameters of the last 0x06 command
        int RejectedFrames = 0;                     // frames whose checksum did not match
        friend bool operator==(const Firmware&, const Firmware&) = default;
    };

    explicit VirtualMouse(TraceWriter& trace);
    ~VirtualMouse() override;

    // User actions.
    void Plug();
    void Unplug(Unplugged which = Unplugged::All);
    bool IsPlugged(Port port) const;
    // Cycles to the next enabled stage and reports it on the event interface.
    void PressDpiButton();
    // Puts any report on the event interface, as a faulty mouse might send.
    void SendEventReport(std::vector<std::uint8_t> report);

    // Faults.
    void FailFeatureReports(bool fail);
    // Input reports on the configuration interface come back shorter than asked.
    void ShortReads(bool shortReads);
    // Unplugs everything after that many more host reports (0 = never).
    void UnplugAfterReports(int reports);

    // Called on plug and unplug with the path of each interface that came or went, as the system's
    // device-change broadcast would carry it.
    using DeviceChangeListener = std::function<void(DeviceChangeEvent, const std::string& path)>;
    void SetDeviceChangeListener(DeviceChangeListener listener);

    Firmware State() const;
    static std::string PathOf(Port port);

    // IHidSystem
    bool BeginEnumeration() override;
    bool InterfacePath(std::size_t index, std::string& path) override;
    void EndEnumeration() override;
    std::unique_ptr<IHidDevice> Open(const std::string& path, HidOpenMode mode,
                                     std::uint32_t& error) override;

private:
    class Handle;
    friend class Handle;

    struct PendingBlock {
        std::uint8_t code = 0;
        std::uint8_t index = 0;
        std::size_t chunksLeft = 0;
        std::vector<std::uint8_t> data;
    };

    // Called by the handles; `generation` is the plug count the handle was opened in.
    bool HandleSetFeature(Port port, std::uint64_t generation, std::span<const std::uint8_t> report);
    bool HandleGetFeature(Port port, std::uint64_t generation, std::span<std::uint8_t> report);
    bool HandleWrite(Port port, std::uint64_t generation, std::span<const std::uint8_t> report);
    std::size_t HandleRead(Port port, std::uint64_t generation, std::span<std::uint8_t> report,
                           const bool& cancelled);

    bool AliveLocked(Port port, std::uint64_t generation) const;
    void CountReportLocked(std::vector<std::pair<DeviceChangeEvent, std::string>>& changes);
    void UnplugLocked(Unplugged which, std::vector<std::pair<DeviceChangeEvent, std::string>>& changes);
    void ExecuteFrameLocked(const std::uint8_t* frame);
    void CommitBlockLocked();
    void Announce(const std::vector<std::pair<DeviceChangeEvent, std::string>>& changes);

    TraceWriter& trace_;
    mutable std::mutex mutex_;
    std::condition_variable events_;
    Firmware firmware_;
    std::array<bool, 4> present_{};
    std::array<std::uint64_t, 4> generation_{};
    std::vector<std::string> snapshot_;
    std::array<std::uint8_t, 9> reply_{};
    PendingBlock block_;
    std::deque<std::vector<std::uint8_t>> configInput_;
    std::deque<std::vector<std::uint8_t>> eventInput_;
    bool failFeatures_ = false;
    bool shortReads_ = false;
    int unplugAfter_ = 0;
    DeviceChangeListener listener_;
};

} // namespace corvalith
