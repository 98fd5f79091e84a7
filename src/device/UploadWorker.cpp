#include "device/UploadWorker.h"

namespace corvalith {

UploadWorker::UploadWorker(ProfileWriter& writer, DeviceLink& link, std::chrono::milliseconds settle)
    : writer_(writer), link_(link), queue_(settle) {}

UploadWorker::~UploadWorker() {
    Stop();
}

void UploadWorker::SetProgress(IUploadProgress* progress) {
    std::lock_guard lock(mutex_);
    progress_ = progress;
}

void UploadWorker::Submit(UploadKind kind, const ProfileSettings& profile) {
    std::lock_guard lock(mutex_);
    if (stopping_) {
        return;
    }
    queue_.Push(UploadOperation{kind, profile}, UploadQueue::Clock::now());
    if (!thread_.joinable()) {
        thread_ = std::thread([this] { Loop(); });
    }
    wake_.notify_one();
}

void UploadWorker::DropQueue() {
    std::lock_guard lock(mutex_);
    queue_.Clear();
    if (running_) {
        drop_ = true;
    }
    wake_.notify_one(); // a worker waiting for a settling change finds the queue empty
}

void UploadWorker::RequestStop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.Clear();
        drop_ = true;
    }
    wake_.notify_one();
}

void UploadWorker::Stop() {
    RequestStop();
    if (thread_.joinable()) {
        thread_.join();
    }
}

bool UploadWorker::WaitUntilIdle(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return idle_.wait_for(lock, timeout, [this] { return !running_ && queue_.Empty(); });
}

bool UploadWorker::Busy() const {
    std::lock_guard lock(mutex_);
    return running_ || !queue_.Empty();
}

void UploadWorker::Loop() {
    std::unique_lock lock(mutex_);
    bool sent = false; // an operation was taken since the listener last heard that the queue ran empty
    for (;;) {
        if (queue_.Empty()) {
            if (sent && progress_ != nullptr) {
                progress_->OnUploadStatus(UploadStatus{});
            }
            sent = false;
            idle_.notify_all();
            wake_.wait(lock, [this] { return stopping_ || !queue_.Empty(); });
        }
        if (stopping_) {
            return;
        }
        const std::optional<UploadOperation> operation = queue_.Pop(UploadQueue::Clock::now());
        if (!operation) {
            // Only settling changes wait: until the first is due, or until the queue changes.
            wake_.wait_until(lock, *queue_.NextDue());
            continue;
        }
        IUploadProgress* progress = progress_;
        running_ = true;
        drop_ = false;
        lock.unlock();
        if (link_.IsConnected()) {
            writer_.Run(operation->Kind, operation->Profile, progress, &drop_);
        }
        lock.lock();
        running_ = false;
        sent = true;
    }
}

} // namespace corvalith
