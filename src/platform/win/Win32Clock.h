#pragma once

#include "platform/IClock.h"

namespace corvalith {

// The real clock on Windows: a monotonic millisecond count and the system's Sleep. The mouse's waits are
// minimums and a whole write has 57 of them: std::this_thread::sleep_for overshot each 100 ms wait by
// about 0.9 ms under Wine (a whole write 1 % over its waits), Sleep by about 0.2 ms.
class Win32Clock : public IClock {
public:
    std::uint32_t NowMilliseconds() override;
    void SleepMilliseconds(std::uint32_t milliseconds) override;
};

} // namespace corvalith
