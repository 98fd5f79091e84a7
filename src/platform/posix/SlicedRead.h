#pragma once

#include <functional>

namespace corvalith {

// How the hidapi backend waits for an input report. hidapi cannot interrupt a blocking read, so the wait
// is cut into slices of at most kSliceMs, and a cancel request is seen between two slices. A read of the
// configuration interface waits for the mouse's reply, as a synchronous read does on Windows, but no
// longer than kReplyTimeoutMs: a reply that has not come by then is a failed read. A read of the event
// interface waits without limit until a report comes, the read fails or it is cancelled.
class SlicedRead {
public:
    SlicedRead() = delete;

    static constexpr int kSliceMs = 250;
    static constexpr int kReplyTimeoutMs = 2000;
    static constexpr int kNoLimit = 0;

    // readSlice(ms) waits up to ms for a report: the number of bytes received, 0 when none came, negative
    // on failure. cancelled() tells whether the read is to stop. Returns the number of bytes received, or
    // 0 on failure, cancel or time-out (limitMs; kNoLimit waits for ever).
    static int Run(const std::function<int(int)>& readSlice, const std::function<bool()>& cancelled,
                   int limitMs);
};

} // namespace corvalith
