#pragma once

#include "platform/IHidDevice.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <thread>

namespace corvalith {

// The reader thread: waits for input reports of the mouse's event interface and hands each DPI-stage
// event to the main window. While the mouse is not connected, or after a read failed, it blocks until
// it is woken by a new connection; it never polls.
class EventReader {
public:
    // Called on the reader thread for every accepted event, with the stage index 0 to 7.
    using Handler = std::function<void(std::uint8_t stage)>;

    static constexpr std::size_t kReportBuffer = 80;

    explicit EventReader(Handler handler);
    ~EventReader();
    EventReader(const EventReader&) = delete;
    EventReader& operator=(const EventReader&) = delete;

    // The stage index of a report "04 01 xx stage", or nothing: other report kinds, reports shorter than
    // four bytes and stage indexes above 7 (the mouse has eight stage slots) produce no event.
    static std::optional<std::uint8_t> DecodeStageEvent(std::span<const std::uint8_t> report);

    void Start();
    // A newly opened event interface; a read pending on the one it replaces ends at once.
    void SetDevice(std::shared_ptr<IHidDevice> device, std::uint16_t inputLength);
    void SetConnected(bool connected);
    // Wakes the thread so that it reads from the current device.
    void Wake();

    // Stopping in two steps lets the window that receives the events keep handling them until the
    // thread has left: RequestStop does not block, WaitForExit waits up to the time given.
    void RequestStop();
    bool WaitForExit(std::uint32_t milliseconds);
    // RequestStop, then wait for the thread without a limit.
    void Stop();

private:
    void Run();

    Handler handler_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable exited_;
    std::shared_ptr<IHidDevice> device_;
    std::uint16_t inputLength_ = 0;
    bool connected_ = false;
    bool woken_ = false;
    bool stopping_ = false;
    bool running_ = false;
    std::thread thread_;
};

} // namespace corvalith
