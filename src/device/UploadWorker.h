#pragma once

#include "device/IUploadRunner.h"
#include "device/ProfileWriter.h"
#include "device/UploadQueue.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace corvalith {

// The one thread that talks to the mouse's configuration interface in the program, so that the window's
// thread never waits for the mouse: the window changes and saves the working profile and submits a copy of
// it; the worker sends the queued operations in order (UploadQueue's rules) and tells the progress
// listener how far it is. Without a mouse it skips what is queued: nothing could reach it. A change still
// settling (UploadQueue) is sent when it is due, unless a later one of its kind replaced it meanwhile.
class UploadWorker : public IUploadRunner, private IUploadProgress {
public:
    // settle: how long a burst's change waits for the next one (UploadQueue).
    UploadWorker(ProfileWriter& writer, DeviceLink& link,
                 std::chrono::milliseconds settle = UploadQueue::kSettle);
    ~UploadWorker() override;
    UploadWorker(const UploadWorker&) = delete;
    UploadWorker& operator=(const UploadWorker&) = delete;

    // Hears every status on the worker's thread; null hears nothing. Once this returns, the listener it
    // replaces hears nothing more.
    void SetProgress(IUploadProgress* progress);

    // Queues the operation; the thread starts with the first one.
    void Submit(UploadKind kind, const ProfileSettings& profile) override;
    // The mouse has gone: what waits is dropped and the running operation ends at its next report.
    void DropQueue();
    // The program ends: the report in progress finishes and the rest is dropped; Stop also joins the thread.
    void RequestStop();
    void Stop();
    // Waits until nothing runs or waits, settling changes included (tests, benchmarks); false on time-out.
    bool WaitUntilIdle(std::chrono::milliseconds timeout);
    bool Busy() const;

private:
    void Loop();
    // Hands a status on to the listener of the moment.
    void OnUploadStatus(const UploadStatus& status) override;

    ProfileWriter& writer_;
    DeviceLink& link_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    UploadQueue queue_;
    // An operation has been taken and is being sent, or the queue's running empty after it has not been told
    // yet.
    bool running_ = false;
    bool stopping_ = false;
    std::atomic<bool> drop_{false}; // the running operation sends no further report
    std::mutex progressMutex_;      // held while a status is handed on
    IUploadProgress* progress_ = nullptr;
    std::thread thread_;
};

} // namespace corvalith
