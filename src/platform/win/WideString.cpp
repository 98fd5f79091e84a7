#include "platform/win/WideString.h"

#include "platform/TextCodec.h"

namespace corvalith {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows strings are UTF-16");

std::wstring WideString::FromUtf8(std::string_view text) {
    const std::u16string wide = TextCodec::Utf8ToUtf16(text);
    return std::wstring(wide.begin(), wide.end());
}

std::string WideString::ToUtf8(std::wstring_view text) {
    return TextCodec::Utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

} // namespace corvalith
