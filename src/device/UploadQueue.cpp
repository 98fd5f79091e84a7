#include "device/UploadQueue.h"

#include <algorithm>

namespace corvalith {

void UploadQueue::Push(UploadOperation operation, Clock::time_point now) {
    Clock::time_point due = now;
    if (operation.Kind == UploadKind::Whole || operation.Kind == UploadKind::Switch) {
        waiting_.clear();
    } else {
        std::erase_if(waiting_,
                      [&](const Waiting& queued) { return queued.Operation.Kind == operation.Kind; });
        const auto last = lastPushed_.find(operation.Kind);
        if (last != lastPushed_.end() && now - last->second < settle_) {
            due = now + settle_;
        }
        lastPushed_[operation.Kind] = now;
    }
    waiting_.push_back({std::move(operation), due});
}

std::optional<UploadOperation> UploadQueue::Pop(Clock::time_point now) {
    const auto first = std::find_if(waiting_.begin(), waiting_.end(),
                                    [&](const Waiting& queued) { return queued.Due <= now; });
    if (first == waiting_.end()) {
        return std::nullopt;
    }
    UploadOperation operation = std::move(first->Operation);
    waiting_.erase(first);
    return operation;
}

std::optional<UploadQueue::Clock::time_point> UploadQueue::NextDue() const {
    const auto first = std::min_element(waiting_.begin(), waiting_.end(),
                                        [](const Waiting& a, const Waiting& b) { return a.Due < b.Due; });
    if (first == waiting_.end()) {
        return std::nullopt;
    }
    return first->Due;
}

} // namespace corvalith
