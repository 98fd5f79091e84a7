#include "platform/win/Win32DebugOutput.h"

#include "platform/win/WideString.h"

#include <windows.h>

namespace corvalith {

void Win32DebugOutput::Write(std::string_view text) {
    OutputDebugStringW(WideString::FromUtf8(text).c_str());
}

} // namespace corvalith
