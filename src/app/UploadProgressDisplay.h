#pragma once

#include "device/UploadStatus.h"

#include <cstdint>

namespace corvalith {

// The main window's upload progress: a thin bar in the bottom bar and the notification-area icon's
// "writing" tool-tip, shown only while the device worker has been busy for kShowAfterMs, so that a quick
// change never flashes it. Fed with the worker's statuses and a millisecond clock value; it says what the
// window does next: repaint the bar, change the tool-tip, start or stop its one-shot timer.
class UploadProgressDisplay {
public:
    static constexpr std::int64_t kShowAfterMs = 300;

    // What the window does after a status or its timer.
    struct Steps {
        bool RepaintBar = false; // the bar appeared, went, or what it shows moved on
        bool TipChanged = false; // the tool-tip changes to what Writing() says
        int TimerMs = 0;         // > 0: start the one-shot timer with this delay
        bool StopTimer = false;  // the timer has nothing left to wait for
        friend bool operator==(const Steps&, const Steps&) = default;
    };

    Steps OnStatus(const UploadStatus& status, std::int64_t nowMs);
    // The one-shot timer ran out (it may come a little early).
    Steps OnTimer(std::int64_t nowMs);

    bool Busy() const { return busy_; }
    bool BarShown() const { return shown_; }
    // The tool-tip says that the mouse is being written.
    bool Writing() const { return shown_; }
    // The bar's filled part for a bar of a width: the share of the current operation's reports delivered.
    // An operation with failed reports, or cut short, never fills it.
    int FilledWidth(int barWidth) const;

private:
    // Shows the bar once the worker has been busy long enough; otherwise the time left.
    Steps Reveal(std::int64_t nowMs);

    bool busy_ = false;
    bool shown_ = false;
    std::int64_t busySince_ = 0;
    UploadStatus current_{};
};

} // namespace corvalith
