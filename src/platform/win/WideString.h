#pragma once

#include <string>
#include <string_view>

namespace corvalith {

// UTF-8 text of the core to and from the UTF-16 strings of the Windows calls.
class WideString {
public:
    static std::wstring FromUtf8(std::string_view text);
    static std::string ToUtf8(std::wstring_view text);
};

} // namespace corvalith
