#pragma once

#include "platform/TextCodec.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace corvalith::test {

// File contents as the tests expect them on disk.
class TextFiles {
public:
    // A UTF-16LE file with byte order mark; from a u"" literal the compiler encodes the text, independently
    // of the code under test.
    static std::vector<std::uint8_t> Utf16(std::u16string_view text) {
        std::vector<std::uint8_t> bytes = {0xFF, 0xFE};
        for (const char16_t unit : text) {
            bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
            bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
        }
        return bytes;
    }
    static std::vector<std::uint8_t> Utf16(std::string_view utf8) {
        return Utf16(TextCodec::Utf8ToUtf16(utf8));
    }
};

} // namespace corvalith::test
