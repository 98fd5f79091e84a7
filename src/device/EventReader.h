#pragma once

#include "platform/IHidDevice.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <thread>
#include <utility>

namespace corvalith {

// The reader thread: waits for input reports of the mouse's event interface and hands each DPI-stage
// event to the main window. A failed read is tried again a few times after a short pause, since a
// passing error must not silence the events while the mouse stays plugged in; when the reads keep
// failing, and while the mouse is not connected, it blocks until it is woken by a new connection.
class EventReader {
public:
    // Called on the reader thread for every accepted event, with the stage index 0 to 7.
    using Handler = std::function<void(std::uint8_t stage)>;
    // Makes the thread that runs body. May throw std::system_error, as std::thread does when the
    // system cannot make one.
    using ThreadStarter = std::function<std::thread(std::function<void()> body)>;

    static constexpr std::size_t kReportBuffer = 80;

    struct Options {
        // Reads tried again after a failed one before waiting for the next connection.
        int ReadRetries = 3;
        // The pause before each of them; a stop request or a new device ends it at once.
        std::chrono::milliseconds RetryPause{50};
    };

    explicit EventReader(Handler handler);
    EventReader(Handler handler, Options options);
    ~EventReader();
    EventReader(const EventReader&) = delete;
    EventReader& operator=(const EventReader&) = delete;

    // The stage index of a report "04 01 xx stage", or nothing: other report kinds, reports shorter than
    // four bytes and stage indexes above 7 (the mouse has eight stage slots) produce no event.
    static std::optional<std::uint8_t> DecodeStageEvent(std::span<const std::uint8_t> report);

    // Starts the thread; false when it could not be made (the reader then stays idle, and Start may be
    // called again).
    bool Start();
    // Replaces the way the thread is made, before Start; tests use it to make the start fail.
    void SetThreadStarter(ThreadStarter starter) { startThread_ = std::move(starter); }
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
    Options options_;
    ThreadStarter startThread_;
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
