#pragma once

#include "device/UploadKind.h"
#include "profile/ProfileSettings.h"

#include <chrono>
#include <deque>
#include <map>
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
//
// A partial change that comes less than the settling time after the last one of its kind belongs to a
// burst (a slider released again and again, a value typed digit by digit): it waits until the settling
// time has passed without another one, so that a burst sends its first change at once and then only its
// last. Operations of other kinds do not wait behind it; a whole-profile write or a switch never waits.
class UploadQueue {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kSettle{250};

    explicit UploadQueue(std::chrono::milliseconds settle = kSettle) : settle_(settle) {}

    void Push(UploadOperation operation, Clock::time_point now);
    // The first waiting operation that is due by now.
    std::optional<UploadOperation> Pop(Clock::time_point now);
    // When the first waiting operation becomes due; nothing when none waits.
    std::optional<Clock::time_point> NextDue() const;
    void Clear() { waiting_.clear(); }
    bool Empty() const { return waiting_.empty(); }
    std::size_t Size() const { return waiting_.size(); }

private:
    struct Waiting {
        UploadOperation Operation;
        Clock::time_point Due;
    };

    std::deque<Waiting> waiting_;
    std::map<UploadKind, Clock::time_point> lastPushed_; // the last change of each partial kind
    std::chrono::milliseconds settle_;
};

} // namespace corvalith
