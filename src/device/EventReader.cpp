#include "device/EventReader.h"

#include <algorithm>
#include <chrono>
#include <system_error>

namespace corvalith {

EventReader::EventReader(Handler handler) : EventReader(std::move(handler), Options{}) {}

EventReader::EventReader(Handler handler, Options options)
    : handler_(std::move(handler)), options_(options),
      startThread_([](std::function<void()> body) { return std::thread(std::move(body)); }) {}

EventReader::~EventReader() {
    Stop();
}

std::optional<std::uint8_t> EventReader::DecodeStageEvent(std::span<const std::uint8_t> report) {
    if (report.size() < 4 || report[0] != 0x04 || report[1] != 0x01 || report[3] > 7) {
        return std::nullopt;
    }
    return report[3];
}

bool EventReader::Start() {
    std::lock_guard lock(mutex_);
    if (running_ || thread_.joinable()) {
        return true;
    }
    running_ = true;
    try {
        thread_ = startThread_([this] { Run(); });
    } catch (const std::system_error&) {
        running_ = false; // the system could not make the thread
        return false;
    }
    return true;
}

void EventReader::SetDevice(std::shared_ptr<IHidDevice> device, std::uint16_t inputLength) {
    std::shared_ptr<IHidDevice> replaced;
    {
        std::lock_guard lock(mutex_);
        replaced = std::move(device_);
        device_ = std::move(device);
        inputLength_ = inputLength;
        woken_ = true;
    }
    if (replaced) {
        replaced->CancelRead();
    }
    wake_.notify_all();
}

void EventReader::SetConnected(bool connected) {
    std::lock_guard lock(mutex_);
    connected_ = connected;
}

void EventReader::Wake() {
    {
        std::lock_guard lock(mutex_);
        woken_ = true;
    }
    wake_.notify_all();
}

void EventReader::Run() {
    std::unique_lock lock(mutex_);
    int failures = 0; // failed reads in a row on the current device
    while (!stopping_) {
        if (!connected_ || !device_) {
            wake_.wait(lock, [this] { return stopping_ || woken_; });
            woken_ = false;
            failures = 0;
            continue;
        }
        woken_ = false;
        const std::shared_ptr<IHidDevice> device = device_;
        const std::size_t length = std::min<std::size_t>(inputLength_, kReportBuffer);
        lock.unlock();

        std::uint8_t report[kReportBuffer] = {};
        const std::size_t received = device->ReadInput(std::span<std::uint8_t>(report, length));

        lock.lock();
        if (stopping_) {
            break;
        }
        if (received == 0) {
            if (woken_) {
                failures = 0; // replaced or newly connected: read the current device at once
                continue;
            }
            if (failures < options_.ReadRetries) {
                // Perhaps a passing error with the mouse still plugged in: try again after a pause.
                ++failures;
                wake_.wait_for(lock, options_.RetryPause, [this] { return stopping_ || woken_; });
                continue;
            }
            // The interface keeps failing: wait for the next connection.
            wake_.wait(lock, [this] { return stopping_ || woken_; });
            failures = 0;
            continue;
        }
        failures = 0;
        if (!connected_) {
            continue;
        }
        if (const auto stage = DecodeStageEvent(std::span<const std::uint8_t>(report, received))) {
            lock.unlock();
            handler_(*stage);
            lock.lock();
        }
    }
    running_ = false;
    exited_.notify_all();
}

void EventReader::RequestStop() {
    std::shared_ptr<IHidDevice> device;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        device = device_;
    }
    if (device) {
        device->CancelRead();
    }
    wake_.notify_all();
}

bool EventReader::WaitForExit(std::uint32_t milliseconds) {
    std::unique_lock lock(mutex_);
    return exited_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return !running_; });
}

void EventReader::Stop() {
    RequestStop();
    if (thread_.joinable()) {
        thread_.join();
    }
}

} // namespace corvalith
