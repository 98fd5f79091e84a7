#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvalith {

// Conversions between the text encodings found in profile files: UTF-8, UTF-16 and Windows-1252.
// Decoding never fails: every malformed sequence becomes U+FFFD (one per maximal invalid subpart).
class TextCodec {
public:
    TextCodec() = delete;

    static std::u16string Utf8ToUtf16(std::string_view utf8);
    static std::string Utf16ToUtf8(std::u16string_view utf16);
    static bool IsValidUtf8(std::string_view bytes);
    // Whether text without a byte order mark is to be read as UTF-8: valid UTF-8 holding at least one
    // multi-byte sequence. Pure ASCII is not: it is taken as the legacy code page, so that text the code
    // page cannot hold later turns the file into UTF-16LE with a byte order mark, which the Windows
    // profile calls read, instead of into UTF-8 without one, which they read as garbage.
    static bool IsUtf8Text(std::string_view bytes);

    static std::string Cp1252ToUtf8(std::string_view bytes);
    // Returns false (and leaves `out` empty) if the text holds a character Windows-1252 cannot represent
    // or is not valid UTF-8.
    static bool Utf8ToCp1252(std::string_view utf8, std::string& out);

private:
    static constexpr char32_t kReplacement = 0xFFFD;

    // Decodes the code point starting at `pos` and moves `pos` past it. On a malformed sequence returns
    // false, sets `codePoint` to U+FFFD and moves `pos` past the longest valid prefix (at least one byte).
    static bool DecodeUtf8(std::string_view bytes, std::size_t& pos, char32_t& codePoint);
    static void AppendUtf8(std::string& out, char32_t codePoint);
};

} // namespace corvalith
