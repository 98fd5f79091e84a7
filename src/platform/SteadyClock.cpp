#include "platform/SteadyClock.h"

#include <chrono>
#include <thread>

namespace corvalith {

std::uint32_t SteadyClock::NowMilliseconds() {
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

void SteadyClock::SleepMilliseconds(std::uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace corvalith
