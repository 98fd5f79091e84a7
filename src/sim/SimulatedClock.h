#pragma once

#include "platform/IClock.h"
#include "sim/TraceWriter.h"

#include <atomic>

namespace corvalith {

// The clock of a run against the virtual mouse: every wait the host asks for goes into the trace.
// With a real clock behind it the waits also pass for real; without one, time only advances by them.
class SimulatedClock : public IClock {
public:
    explicit SimulatedClock(TraceWriter& trace, IClock* real = nullptr) : trace_(trace), real_(real) {}

    std::uint32_t NowMilliseconds() override {
        return real_ != nullptr ? real_->NowMilliseconds() : now_.load();
    }
    void SleepMilliseconds(std::uint32_t milliseconds) override {
        trace_.RecordSleep(milliseconds);
        now_ += milliseconds;
        if (real_ != nullptr) {
            real_->SleepMilliseconds(milliseconds);
        }
    }

private:
    TraceWriter& trace_;
    IClock* real_;
    std::atomic<std::uint32_t> now_{0};
};

} // namespace corvalith
