#pragma once

#include "device/CommandFrame.h"
#include "platform/IClock.h"
#include "platform/IDebugOutput.h"
#include "platform/IHidDevice.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace corvalith {

// The lowest layer of the device link: command frames as feature reports, replies read back, and
// blocks moved in 64-byte chunks over output and input reports with the fixed waits the mouse needs.
// No call reports failure: a report that cannot be read leaves zeros, a failed write is silent, and a
// missing device (null) fails every call the same way while the waits still pass.
class HidTransport {
public:
    static constexpr std::size_t kBufferSize = 280;
    static constexpr std::size_t kChunk = 64;
    static constexpr std::uint32_t kHeaderWaitMs = 10;
    static constexpr std::uint32_t kChunkWaitMs = 100;

    enum class Direction { Write, Read };

    HidTransport(IClock& clock, IDebugOutput& debug) : clock_(clock), debug_(debug) {}

    // Called after every report with whether it went through.
    using ReportListener = std::function<void(bool delivered)>;

    // Lengths of the configuration interface, as discovery found them; capped at the buffer size. Set on
    // the window's thread at a connection while an upload may be running on the device worker.
    void SetReportLengths(std::uint16_t feature, std::uint16_t input, std::uint16_t output);

    // While *stop is true no report is sent or read and no wait passes: the report in progress ends, the
    // rest of the operation is dropped (the mouse has gone or the program is ending). listener hears
    // every report. Both are the running operation's and are reset by passing null and empty.
    void Watch(const std::atomic<bool>* stop, ReportListener listener);

    void SendCommand(IHidDevice* device, const Command& command);
    // Sends the command, reads the reply frame and hands back its bytes 1 to 8 in command[0..7].
    void ExchangeCommand(IHidDevice* device, Command& command);
    // Moves `length` bytes of `data` (a multiple of 64 in every use) after the block header. Reading
    // also hands back the header as the mouse answered it.
    void TransferBlock(IHidDevice* device, Command& header, std::uint8_t* data, Direction direction,
                       std::size_t length);

    // Mouse-pad frames: byte 0 = 0, byte 1 = command, bytes 2 to 8 parameters, no checksum.
    void SendPadFrame(IHidDevice* pad, const CommandFrame::Bytes& frame);
    void ReadPadFrame(IHidDevice* pad, CommandFrame::Bytes& frame);

private:
    void SendFrame(IHidDevice* device, const Command& command);
    void ReadFeature(IHidDevice* device);
    void Wait(std::uint32_t milliseconds);
    bool Stopped() const { return stop_ != nullptr && stop_->load(); }
    void Heard(bool delivered);

    IClock& clock_;
    IDebugOutput& debug_;
    std::atomic<std::size_t> featureLength_ = CommandFrame::kLength;
    std::atomic<std::size_t> inputLength_ = 1 + kChunk;
    std::atomic<std::size_t> outputLength_ = 1 + kChunk;
    const std::atomic<bool>* stop_ = nullptr;
    ReportListener listener_;
    std::uint8_t buffer_[kBufferSize] = {};
};

} // namespace corvalith
