#pragma once

#include <cstdint>

namespace corvalith {

// Time as the program sees it: a millisecond tick count that wraps like the system's, and waits.
class IClock {
public:
    virtual ~IClock() = default;
    virtual std::uint32_t NowMilliseconds() = 0;
    virtual void SleepMilliseconds(std::uint32_t milliseconds) = 0;
};

} // namespace corvalith
