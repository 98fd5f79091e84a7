#pragma once

#include "platform/IClock.h"

namespace corvalith {

// The real clock: a monotonic millisecond count and real sleeps.
class SteadyClock : public IClock {
public:
    std::uint32_t NowMilliseconds() override;
    void SleepMilliseconds(std::uint32_t milliseconds) override;
};

} // namespace corvalith
