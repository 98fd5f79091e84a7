#include "platform/win/WideString.h"

#include "ini/TextCodec.h"

namespace corvalith {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows strings are UTF-16");

std::wstring WideString::FromUtf8(std::string_view text) {
    const std::u16string wide = ini::TextCodec::Utf8ToUtf16(text);
    return std::wstring(wide.begin(), wide.end());
}

std::string WideString::ToUtf8(std::wstring_view text) {
    return ini::TextCodec::Utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

} // namespace corvalith
