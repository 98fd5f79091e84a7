#include "device/UploadQueue.h"

#include <algorithm>

namespace corvalith {

void UploadQueue::Push(UploadOperation operation) {
    if (operation.Kind == UploadKind::Whole || operation.Kind == UploadKind::Switch) {
        waiting_.clear();
    } else {
        std::erase_if(waiting_, [&](const UploadOperation& queued) { return queued.Kind == operation.Kind; });
    }
    waiting_.push_back(std::move(operation));
}

std::optional<UploadOperation> UploadQueue::Pop() {
    if (waiting_.empty()) {
        return std::nullopt;
    }
    UploadOperation first = std::move(waiting_.front());
    waiting_.pop_front();
    return first;
}

} // namespace corvalith
