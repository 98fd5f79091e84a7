#include "device/UploadWorker.h"

namespace corvalith {

UploadWorker::UploadWorker(ProfileWriter& writer, DeviceLink& link) : writer_(writer), link_(link) {}

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
    queue_.Push(UploadOperation{kind, profile});
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
        wake_.wait(lock, [this] { return stopping_ || !queue_.Empty(); });
        if (stopping_) {
            return;
        }
        const std::optional<UploadOperation> operation = queue_.Pop();
        running_ = true;
        drop_ = false;
        lock.unlock();
        if (link_.IsConnected()) {
            writer_.Run(operation->Kind, operation->Profile, this, &drop_);
        }
        lock.lock();
        if (queue_.Empty()) {
            // Told without the queue's lock, so that a listener may ask the worker; the next operation
            // starts on this thread, after it.
            lock.unlock();
            OnUploadStatus(UploadStatus{});
            lock.lock();
        }
        running_ = false;
        if (queue_.Empty()) {
            idle_.notify_all();
        }
    }
}

} // namespace corvalith
