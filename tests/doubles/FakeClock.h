#pragma once

#include "platform/IClock.h"

#include <vector>

namespace corvalith::test {

// A clock that moves only when the test says so; every requested wait is recorded and advances it.
class FakeClock : public IClock {
public:
    std::uint32_t NowMilliseconds() override { return now; }
    void SleepMilliseconds(std::uint32_t milliseconds) override {
        sleeps.push_back(milliseconds);
        now += milliseconds;
    }

    std::uint32_t now = 0;
    std::vector<std::uint32_t> sleeps;
};

} // namespace corvalith::test
