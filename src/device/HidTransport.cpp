#include "device/HidTransport.h"

#include "platform/TextFormat.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace corvalith {

void HidTransport::SetReportLengths(std::uint16_t feature, std::uint16_t input, std::uint16_t output) {
    featureLength_ = std::min<std::size_t>(feature, kBufferSize);
    inputLength_ = std::min<std::size_t>(input, kBufferSize);
    outputLength_ = std::min<std::size_t>(output, kBufferSize);
}

void HidTransport::Watch(const std::atomic<bool>* stop, ReportListener listener) {
    stop_ = stop;
    listener_ = std::move(listener);
}

void HidTransport::Heard(bool delivered) {
    if (listener_) {
        listener_(delivered);
    }
}

void HidTransport::Wait(std::uint32_t milliseconds) {
    if (!Stopped()) {
        clock_.SleepMilliseconds(milliseconds);
    }
}

void HidTransport::SendFrame(IHidDevice* device, const Command& command) {
    std::memset(buffer_, 0, sizeof buffer_);
    const CommandFrame::Bytes frame = CommandFrame::Build(command);
    std::copy(frame.begin(), frame.end(), buffer_);
    if (Stopped()) {
        return;
    }
    Heard(device != nullptr && device->SetFeature(std::span<const std::uint8_t>(buffer_, featureLength_)));
}

void HidTransport::ReadFeature(IHidDevice* device) {
    std::memset(buffer_, 0, sizeof buffer_);
    if (Stopped()) {
        return;
    }
    Heard(device != nullptr && device->GetFeature(std::span<std::uint8_t>(buffer_, featureLength_)));
}

void HidTransport::SendCommand(IHidDevice* device, const Command& command) {
    SendFrame(device, command);
}

void HidTransport::ExchangeCommand(IHidDevice* device, Command& command) {
    SendFrame(device, command);
    ReadFeature(device);
    std::copy(buffer_ + 1, buffer_ + 9, command.begin());
    debug_.Write(TextFormat::Printf("Buffer[1]:%02x,Buffer[2]:%02x.", buffer_[1], buffer_[2]));
}

void HidTransport::TransferBlock(IHidDevice* device, Command& header, std::uint8_t* data, Direction direction,
                                 std::size_t length) {
    SendFrame(device, header);
    Wait(kHeaderWaitMs);
    if (direction == Direction::Read) {
        ReadFeature(device);
        Wait(kHeaderWaitMs);
        std::copy(buffer_ + 1, buffer_ + 9, header.begin());
    }
    const std::size_t chunks = length / kChunk + (length % kChunk != 0 ? 1 : 0);
    for (std::size_t chunk = 0; chunk < chunks; ++chunk) {
        const std::size_t offset = chunk * kChunk;
        const std::size_t count = std::min(kChunk, length - offset);
        std::memset(buffer_, 0, sizeof buffer_);
        if (direction == Direction::Read) {
            if (!Stopped()) {
                Heard(device != nullptr &&
                      device->ReadInput(std::span<std::uint8_t>(buffer_, inputLength_)) != 0);
            }
            std::copy(buffer_ + 1, buffer_ + 1 + count, data + offset);
        } else {
            std::copy(data + offset, data + offset + count, buffer_ + 1);
            if (!Stopped()) {
                Heard(device != nullptr &&
                      device->WriteOutput(std::span<const std::uint8_t>(buffer_, outputLength_)));
            }
        }
        Wait(kChunkWaitMs);
    }
}

void HidTransport::SendPadFrame(IHidDevice* pad, const CommandFrame::Bytes& frame) {
    if (pad != nullptr) {
        pad->SetFeature(frame);
    }
}

void HidTransport::ReadPadFrame(IHidDevice* pad, CommandFrame::Bytes& frame) {
    if (pad != nullptr) {
        pad->GetFeature(frame);
    }
}

} // namespace corvalith
