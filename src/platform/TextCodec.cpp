#include "platform/TextCodec.h"

#include <algorithm>
#include <array>

namespace corvalith {

namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves undefined map to the C1 control
// with the same value, as MultiByteToWideChar does, so every byte survives a round trip.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

bool TextCodec::DecodeUtf8(std::string_view bytes, std::size_t& pos, char32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(bytes[pos++]);
    if (lead < 0x80) {
        codePoint = lead;
        return true;
    }
    // The allowed range of the first continuation byte excludes overlong forms, UTF-16 surrogates
    // and code points above U+10FFFF.
    std::size_t continuation = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        continuation = 1;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        continuation = 2;
        codePoint = lead & 0x0F;
        if (lead == 0xE0) {
            low = 0xA0;
        } else if (lead == 0xED) {
            high = 0x9F;
        }
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        continuation = 3;
        codePoint = lead & 0x07;
        if (lead == 0xF0) {
            low = 0x90;
        } else if (lead == 0xF4) {
            high = 0x8F;
        }
    } else {
        codePoint = kReplacement;
        return false;
    }
    for (std::size_t i = 0; i < continuation; ++i) {
        if (pos >= bytes.size()) {
            codePoint = kReplacement;
            return false;
        }
        const auto next = static_cast<unsigned char>(bytes[pos]);
        if (next < low || next > high) {
            codePoint = kReplacement;
            return false;
        }
        codePoint = (codePoint << 6) | (next & 0x3F);
        ++pos;
        low = 0x80;
        high = 0xBF;
    }
    return true;
}

void TextCodec::AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::u16string TextCodec::Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t codePoint = 0;
        DecodeUtf8(utf8, pos, codePoint);
        if (codePoint >= 0x10000) {
            codePoint -= 0x10000;
            out += static_cast<char16_t>(0xD800 | (codePoint >> 10));
            out += static_cast<char16_t>(0xDC00 | (codePoint & 0x3FF));
        } else {
            out += static_cast<char16_t>(codePoint);
        }
    }
    return out;
}

std::string TextCodec::Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t unit = utf16[i];
        if (IsHighSurrogate(unit) && i + 1 < utf16.size() && IsLowSurrogate(utf16[i + 1])) {
            unit = 0x10000 + ((unit - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            unit = kReplacement;
        }
        AppendUtf8(out, unit);
    }
    return out;
}

bool TextCodec::IsValidUtf8(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        char32_t codePoint = 0;
        if (!DecodeUtf8(bytes, pos, codePoint)) {
            return false;
        }
    }
    return true;
}

bool TextCodec::IsUtf8Text(std::string_view bytes) {
    const bool ascii =
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return !ascii && IsValidUtf8(bytes);
}

std::string TextCodec::Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        AppendUtf8(out, byte >= 0x80 && byte <= 0x9F ? kCp1252High[byte - 0x80] : byte);
    }
    return out;
}

bool TextCodec::Utf8ToCp1252(std::string_view utf8, std::string& out) {
    out.clear();
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t codePoint = 0;
        if (!DecodeUtf8(utf8, pos, codePoint)) {
            out.clear();
            return false;
        }
        if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
            out += static_cast<char>(codePoint);
            continue;
        }
        std::size_t index = 0;
        while (index < kCp1252High.size() && kCp1252High[index] != codePoint) {
            ++index;
        }
        if (index == kCp1252High.size()) {
            out.clear();
            return false;
        }
        out += static_cast<char>(0x80 + index);
    }
    return true;
}

} // namespace corvalith
