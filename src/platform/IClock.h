#pragma once

#include <cstdint>

namespace corvalith {

// Time for the protocol's fixed waits and for timing decisions. Tests use a fake that records each
// requested wait instead of sleeping.
class IClock {
public:
    virtual ~IClock() = default;
    virtual std::uint64_t NowMilliseconds() = 0;
    virtual void SleepMilliseconds(std::uint32_t milliseconds) = 0;
};

} // namespace corvalith
