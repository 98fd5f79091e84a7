#include "app/UploadProgressDisplay.h"

#include <algorithm>

namespace corvalith {

UploadProgressDisplay::Steps UploadProgressDisplay::OnStatus(const UploadStatus& status, std::int64_t nowMs) {
    if (status.Stage == UploadStatus::Phase::Idle) {
        const bool wasShown = shown_;
        const bool wasBusy = busy_;
        busy_ = false;
        shown_ = false;
        current_ = UploadStatus{};
        return {.RepaintBar = wasShown, .TipChanged = wasShown, .StopTimer = wasBusy};
    }
    current_ = status;
    if (!busy_) {
        busy_ = true;
        busySince_ = nowMs;
        return Reveal(nowMs);
    }
    return {.RepaintBar = shown_};
}

UploadProgressDisplay::Steps UploadProgressDisplay::OnTimer(std::int64_t nowMs) {
    if (!busy_ || shown_) {
        return {.StopTimer = true};
    }
    return Reveal(nowMs);
}

UploadProgressDisplay::Steps UploadProgressDisplay::Reveal(std::int64_t nowMs) {
    const std::int64_t waited = nowMs - busySince_;
    if (waited < kShowAfterMs) {
        return {.TimerMs = static_cast<int>(kShowAfterMs - std::max<std::int64_t>(waited, 0))};
    }
    shown_ = true;
    return {.RepaintBar = true, .TipChanged = true, .StopTimer = true};
}

int UploadProgressDisplay::FilledWidth(int barWidth) const {
    if (!shown_ || barWidth <= 0 || current_.Total == 0) {
        return 0;
    }
    // Failed reports count as not delivered, so only an operation whose every report went through fills
    // the bar.
    const int delivered = std::min<int>(current_.Delivered, current_.Total);
    return static_cast<int>(static_cast<long long>(barWidth) * delivered / current_.Total);
}

} // namespace corvalith
