#include "platform/TextCodec.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace corvalith {
namespace {

TEST(TextCodecTest, DecodesUtf8AndReplacesEachMalformedSequence) {
    struct Case {
        std::string utf8;
        std::u16string utf16;
        bool valid;
    };
    const std::vector<Case> cases = {
        {"", u"", true},
        {"A~", u"A~", true},
        {"\xC3\x9F", u"\u00DF", true},
        {"\xE9\xBC\xA0\xE6\xA0\x87", u"\u9F20\u6807", true},
        {"\xF0\x9F\x98\x80", {0xD83D, 0xDE00}, true},
        {"\xF4\x8F\xBF\xBF", {0xDBFF, 0xDFFF}, true},
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3), true},
        {"\x80", u"\uFFFD", false},                               // stray continuation byte
        {"\xC0\xAF", u"\uFFFD\uFFFD", false},                     // overlong '/'
        {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD", false},           // overlong three-byte form
        {"\xF0\x8F\xBF\xBF", u"\uFFFD\uFFFD\uFFFD\uFFFD", false}, // overlong four-byte form
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD", false},           // encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", false}, // above U+10FFFF
        {"\xFF\xFE", u"\uFFFD\uFFFD", false},
        {"\xE9\xBCz", u"\uFFFDz", false},     // truncated by a new character
        {"a\xF0\x9F\x98", u"a\uFFFD", false}, // truncated by the end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.utf8));
        EXPECT_EQ(TextCodec::Utf8ToUtf16(c.utf8), c.utf16);
        EXPECT_EQ(TextCodec::IsValidUtf8(c.utf8), c.valid);
    }
}

TEST(TextCodecTest, OnlyMultiByteSequencesMakeTextUtf8) {
    const std::pair<std::string, bool> cases[] = {
        {"", false},
        {"[Skins]\r\nLan=CHS\r\n", false}, // pure ASCII is legacy code-page text as well
        {"Item1=\xE9\xBC\xA0\xE6\xA0\x87", true},
        {"\xC3\x9F", true},
        {"Gro\xDF", false},      // Windows-1252
        {"\xC3\x9F\xFF", false}, // malformed at the end
    };
    for (const auto& [bytes, utf8] : cases) {
        EXPECT_EQ(TextCodec::IsUtf8Text(bytes), utf8) << testing::PrintToString(bytes);
    }
}

TEST(TextCodecTest, EncodesUtf16AndReplacesUnpairedSurrogates) {
    struct Case {
        std::u16string utf16;
        std::string utf8;
    };
    const std::vector<Case> cases = {
        {u"L\u00F6schen", "L\xC3\xB6schen"},
        {u"\u9F20\u6807", "\xE9\xBC\xA0\xE6\xA0\x87"},
        {{0xD83D, 0xDE00}, "\xF0\x9F\x98\x80"},
        {{0xD83D}, "\xEF\xBF\xBD"},
        {{0xDE00, 0xD83D}, "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {{0xD83D, u'x', 0xDE00}, "\xEF\xBF\xBDx\xEF\xBF\xBD"},
        {{0xD83D, 0xD83D, 0xDE00}, "\xEF\xBF\xBD\xF0\x9F\x98\x80"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(TextCodec::Utf16ToUtf8(c.utf16), c.utf8);
    }
}

TEST(TextCodecTest, EveryScalarValueSurvivesUtf16AndUtf8) {
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) {
            continue;
        }
        std::u16string utf16;
        if (cp >= 0x10000) {
            utf16 = {static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)),
                     static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF))};
        } else {
            utf16 = {static_cast<char16_t>(cp)};
        }
        const std::string utf8 = TextCodec::Utf16ToUtf8(utf16);
        ASSERT_TRUE(TextCodec::IsValidUtf8(utf8)) << std::hex << static_cast<unsigned>(cp);
        ASSERT_EQ(TextCodec::Utf8ToUtf16(utf8), utf16) << std::hex << static_cast<unsigned>(cp);
    }
}

TEST(TextCodecTest, ConvertsWindows1252) {
    struct Case {
        std::string legacy;
        std::string utf8;
    };
    const std::vector<Case> cases = {
        {"Gro\xDF", "Gro\xC3\x9F"},
        {"\x80", "\xE2\x82\xAC"}, // euro sign
        {"\x81", "\xC2\x81"},     // undefined byte kept as its C1 control
        {"\x8D\x8F\x90\x9D", "\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
        {"\x8A", "\xC5\xA0"},     // S with caron
        {"\x99", "\xE2\x84\xA2"}, // trade mark sign
        {"\x9F", "\xC5\xB8"},     // Y with diaeresis
        {"\xA0\xFF", "\xC2\xA0\xC3\xBF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(TextCodec::Cp1252ToUtf8(c.legacy), c.utf8);
        std::string legacy;
        EXPECT_TRUE(TextCodec::Utf8ToCp1252(c.utf8, legacy));
        EXPECT_EQ(legacy, c.legacy);
    }

    // Not in the code page: a CJK character, U+0080 (its byte means the euro sign), malformed UTF-8.
    for (const std::string utf8 : {"a\xE9\xBC\xA0", "\xC2\x80", "a\xFF"}) {
        SCOPED_TRACE(utf8);
        std::string legacy = "stale";
        EXPECT_FALSE(TextCodec::Utf8ToCp1252(utf8, legacy));
        EXPECT_EQ(legacy, "");
    }

    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    std::string back;
    EXPECT_TRUE(TextCodec::Utf8ToCp1252(TextCodec::Cp1252ToUtf8(all), back));
    EXPECT_EQ(back, all);
}

} // namespace
} // namespace corvalith
