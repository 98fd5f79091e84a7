#include "platform/win/Win32Clock.h"

#include <windows.h>

#include <chrono>

namespace corvalith {

std::uint32_t Win32Clock::NowMilliseconds() {
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

void Win32Clock::SleepMilliseconds(std::uint32_t milliseconds) {
    Sleep(milliseconds);
}

} // namespace corvalith
