#include "device/UploadWorker.h"

namespace corvalith {

UploadWorker::UploadWorker(ProfileWriter& writer, DeviceLink& link, std::chrono::milliseconds settle)
    : writer_(writer), link_(link), queue_(settle) {}

UploadWorker::~UploadWorker() {
    Stop();
}

void UploadWorker::SetProgress(IUploadProgress* progress) {
    std::lock_guard lock(progressMutex_);
    progress_ = progress;
}

void UploadWorker::OnUploadStatus(const UploadStatus& status) {
    std::lock_guard lock(progressMutex_);
    if (progress_ != nullptr) {
        progress_->OnUploadStatus(status);
    }
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
    for (;;) {
        if (queue_.Empty()) {
            if (running_) {
                // The queue ran empty after an operation. Told without the queue's lock, so that a listener
                // may ask the worker; the worker counts as busy until it has told.
                lock.unlock();
                OnUploadStatus(UploadStatus{});
                lock.lock();
                running_ = false;
                continue;
            }
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
        running_ = true;
        drop_ = false;
        lock.unlock();
        if (link_.IsConnected()) {
            writer_.Run(operation->Kind, operation->Profile, this, &drop_);
        }
        lock.lock();
    }
}

} // namespace corvalith
