#pragma once

#include "device/UploadKind.h"
#include "profile/ProfileSettings.h"

#include <deque>
#include <optional>

namespace corvalith {

// One upload waiting for the mouse: what to send, and the working profile as it was when the user made
// the change.
struct UploadOperation {
    UploadKind Kind = UploadKind::Whole;
    ProfileSettings Profile{};
};

// The uploads waiting for the device worker, in the order the user made them. A new operation drops a
// waiting one of its own kind, which it makes obsolete (two DPI changes send one DPI upload, with the later
// values); a whole-profile write or a switch of profiles drops everything waiting before it. The operation
// the worker has taken is no longer here, so it always finishes.
class UploadQueue {
public:
    void Push(UploadOperation operation);
    std::optional<UploadOperation> Pop();
    void Clear() { waiting_.clear(); }
    bool Empty() const { return waiting_.empty(); }
    std::size_t Size() const { return waiting_.size(); }

private:
    std::deque<UploadOperation> waiting_;
};

} // namespace corvalith
