#pragma once

#include "platform/IClock.h"

#include <vector>

namespace corvalith::test {

// Time that only moves when asked to wait; every wait is recorded.
class FakeClock : public IClock {
public:
    std::uint64_t NowMilliseconds() override { return now; }
    void SleepMilliseconds(std::uint32_t milliseconds) override {
        waits.push_back(milliseconds);
        now += milliseconds;
    }

    std::uint64_t now = 0;
    std::vector<std::uint32_t> waits;
};

} // namespace corvalith::test
