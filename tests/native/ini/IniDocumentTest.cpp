#include "ini/IniDocument.h"
#include "doubles/MemoryFileSystem.h"
#include "doubles/TextFiles.h"
#include "ini/IniFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace corvalith::ini {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

IniDocument ParseText(std::string_view text) {
    return IniDocument::Parse(ToBytes(text));
}

TEST(IniDocumentTest, LooksUpValuesLikeTheProfileFunctions) {
    const IniDocument document = ParseText("Outside=1\r\n"
                                           "[Buttons]\r\n"
                                           "  Left = Click  \r\n"
                                           "Right=\t\"quoted value\"\t\r\n"
                                           "Middle='single'\r\n"
                                           "Mixed=\"abc'\r\n"
                                           "Lone=\"\r\n"
                                           "Empty=\r\n"
                                           "NoEquals\r\n"
                                           ";Comment=hidden\r\n"
                                           "  ;Indented=hidden\r\n"
                                           "Eq=a=b\r\n"
                                           "left=second\r\n"
                                           "\r\n"
                                           "  [ Sound ] trailing\r\n"
                                           "Volume=7\r\n"
                                           "[buttons]\r\n"
                                           "Extra=in the duplicate section\r\n");
    struct Case {
        const char* section;
        const char* key;
        const char* value;
        bool hasKey;
    };
    const std::vector<Case> cases = {
        {"Buttons", "Left", "Click", true},
        {"BUTTONS", "lEFT", "Click", true},
        {" Buttons\t", " Left ", "Click", true},
        {"Buttons", "Right", "quoted value", true},
        {"Buttons", "Middle", "single", true},
        {"Buttons", "Mixed", "\"abc'", true},
        {"Buttons", "Lone", "\"", true},
        {"Buttons", "Empty", "", true},
        {"Buttons", "Eq", "a=b", true},
        {"Buttons", "NoEquals", "", false},
        {"Buttons", "Comment", "", false},
        {"Buttons", ";Comment", "", false},
        {"Buttons", "Indented", "", false},
        {"Buttons", "Extra", "", false}, // only the first [Buttons] counts
        {"Buttons", "Volume", "", false},
        {"sound", "VOLUME", "7", true},
        {"Sound", "Left", "", false},
        {"", "Outside", "", false},
        {"Missing", "Left", "", false},
        {"Buttons", "Missing", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(document.GetString(c.section, c.key), c.value);
        EXPECT_EQ(document.HasKey(c.section, c.key), c.hasKey);
    }
    EXPECT_TRUE(document.HasSection("SOUND"));
    EXPECT_FALSE(document.HasSection("Missing"));
}

TEST(IniDocumentTest, DetectsEncodingAndDecodes) {
    struct Case {
        const char* name;
        Bytes bytes;
        TextEncoding encoding;
        std::string value; // of [S] k
    };
    const std::vector<Case> cases = {
        {"utf16",
         {0xFF, 0xFE, '[', 0, 'S', 0, ']', 0, '\n', 0, 'k', 0, '=', 0, 0x20, 0x9F, 0x07, 0x68},
         TextEncoding::Utf16Le,
         "\xE9\xBC\xA0\xE6\xA0\x87"},
        {"utf16 odd byte", test::TextFiles::Utf16(u"[S]\rk=1"), TextEncoding::Utf16Le, "1"},
        {"utf16 pair", test::TextFiles::Utf16(u"[S]\r\nk=\U0001F600"), TextEncoding::Utf16Le,
         "\xF0\x9F\x98\x80"},
        {"utf16 lone surrogate",
         test::TextFiles::Utf16(u"[S]\nk=" + std::u16string(1, char16_t{0xD800}) + u"z"),
         TextEncoding::Utf16Le, "\xEF\xBF\xBDz"},
        {"utf8 bom", ToBytes("\xEF\xBB\xBF[S]\r\nk=L\xC3\xB6schen\r\n"), TextEncoding::Utf8Bom,
         "L\xC3\xB6schen"},
        {"utf8 bom invalid", ToBytes("\xEF\xBB\xBF[S]\nk=a\xFF"), TextEncoding::Utf8Bom, "a\xEF\xBF\xBD"},
        {"utf8", ToBytes("[S]\rk=\xE9\xBC\xA0\xE6\xA0\x87\r"), TextEncoding::Utf8,
         "\xE9\xBC\xA0\xE6\xA0\x87"},
        {"ascii", ToBytes("[S]\r\nk=v\r\n"), TextEncoding::Legacy, "v"},
        {"legacy", ToBytes("[S]\nk=Gro\xDF\n"), TextEncoding::Legacy, "Gro\xC3\x9F"},
        {"legacy c1", ToBytes("[S]\nk=\x80\x81"), TextEncoding::Legacy, "\xE2\x82\xAC\xC2\x81"},
        {"empty", {}, TextEncoding::Utf16Le, ""},
        {"bom only", {0xFF, 0xFE}, TextEncoding::Utf16Le, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const IniDocument document = IniDocument::Parse(c.bytes);
        EXPECT_EQ(document.Encoding(), c.encoding);
        EXPECT_EQ(document.GetString("S", "k"), c.value);
    }
}

TEST(IniDocumentTest, EditsTouchOnlyTheirLines) {
    const std::string original = "[A]\r\nx=1\r\n; note\r\n\r\n[B]\ny = 2\n";
    const std::string tail = "[B]\r\ny = 2\r\n";
    struct Case {
        const char* name;
        std::function<void(IniDocument&)> edit;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"nothing", [](IniDocument&) {}, "[A]\r\nx=1\r\n; note\r\n\r\n" + tail},
        {"replace", [](IniDocument& d) { d.SetString("a", "X", "9"); },
         "[A]\r\nX=9\r\n; note\r\n\r\n" + tail},
        {"value as given", [](IniDocument& d) { d.SetString("A", "x", " \"q\" "); },
         "[A]\r\nx= \"q\" \r\n; note\r\n\r\n" + tail},
        {"insert", [](IniDocument& d) { d.SetString("A", "z", "new"); },
         "[A]\r\nx=1\r\n; note\r\nz=new\r\n\r\n" + tail},
        {"insert last", [](IniDocument& d) { d.SetString("B", "w", "v"); },
         "[A]\r\nx=1\r\n; note\r\n\r\n" + tail + "w=v\r\n"},
        {"append", [](IniDocument& d) { d.SetString("C", "k", "v"); },
         "[A]\r\nx=1\r\n; note\r\n\r\n" + tail + "[C]\r\nk=v\r\n"},
        {"line break", [](IniDocument& d) { d.SetString("C", "k", "a\r\n[B]"); },
         "[A]\r\nx=1\r\n; note\r\n\r\n" + tail + "[C]\r\nk=a  [B]\r\n"},
        {"delete key", [](IniDocument& d) { d.DeleteKey("a", "X"); }, "[A]\r\n; note\r\n\r\n" + tail},
        {"delete missing",
         [](IniDocument& d) {
             d.DeleteKey("B", "x");
             d.DeleteSection("C");
         },
         "[A]\r\nx=1\r\n; note\r\n\r\n" + tail},
        {"delete first section", [](IniDocument& d) { d.DeleteSection("a"); }, tail},
        {"delete last section", [](IniDocument& d) { d.DeleteSection("B"); }, "[A]\r\nx=1\r\n; note\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        IniDocument document = ParseText(original);
        c.edit(document);
        EXPECT_EQ(document.Serialize(), ToBytes(c.expected));
    }
}

TEST(IniDocumentTest, ReplacingInUtf16KeepsOtherLinesByteIdentical) {
    const std::u16string loneSurrogate(1, char16_t{0xDC00});
    IniDocument document = IniDocument::Parse(test::TextFiles::Utf16(
        u"; \u9F20\u6807" + loneSurrogate + u"\r\n[Buttons]\n  Left = 1 \r\nRight=2\r[Other]\r\nLeft=3"));
    document.SetString("buttons", "LEFT", "\xE9\xBC\xA0\xE6\xA0\x87");
    EXPECT_EQ(
        document.Serialize(),
        test::TextFiles::Utf16(u"; \u9F20\u6807" + loneSurrogate +
                               u"\r\n[Buttons]\r\nLEFT=\u9F20\u6807\r\nRight=2\r\n[Other]\r\nLeft=3\r\n"));

    IniDocument fresh;
    fresh.SetString("S", "k", "\xC3\x9F");
    EXPECT_EQ(fresh.Serialize(), (Bytes{0xFF, 0xFE, '[', 0,   'S', 0,    ']', 0,    '\r', 0,    '\n',
                                        0,    'k',  0,   '=', 0,   0xDF, 0,   '\r', 0,    '\n', 0}));
}

TEST(IniDocumentTest, LegacyFileBecomesUtf16OnlyWhenItMust) {
    IniDocument document = ParseText("[S]\r\nk=Gro\xDF\r\n");
    document.SetString("S", "g", "L\xC3\xB6schen");
    EXPECT_EQ(document.Encoding(), TextEncoding::Legacy);
    EXPECT_EQ(document.Serialize(), ToBytes("[S]\r\nk=Gro\xDF\r\ng=L\xF6schen\r\n"));

    document.SetString("S", "c", "\xE9\xBC\xA0\xE6\xA0\x87");
    EXPECT_EQ(document.Encoding(), TextEncoding::Utf16Le);
    EXPECT_EQ(document.Serialize(),
              test::TextFiles::Utf16(u"[S]\r\nk=Gro\u00DF\r\ng=L\u00F6schen\r\nc=\u9F20\u6807\r\n"));
}

// An installer or a user writes str.ini in plain ASCII; the captions the program writes into it must
// come out in a form the Windows profile calls read.
TEST(IniDocumentTest, AnAsciiFileIsTakenAsTheLegacyCodePage) {
    const std::string ascii = "[Skins]\r\nLan=CHS\r\n[Setting-CHS]\r\nItem2=Menu\r\n";
    struct Case {
        const char* name;
        std::string original;
        std::string caption; // written as Item1 of [Setting-CHS]
        Bytes expected;
    };
    const std::vector<Case> cases = {
        {"ascii stays ascii", ascii, "Click", ToBytes(ascii + "Item1=Click\r\n")},
        {"german becomes windows-1252", ascii, "Gr\xC3\xBCn", ToBytes(ascii + "Item1=Gr\xFCn\r\n")},
        {"chinese becomes utf-16", ascii, "\xE9\xBC\xA0\xE6\xA0\x87",
         test::TextFiles::Utf16(
             u"[Skins]\r\nLan=CHS\r\n[Setting-CHS]\r\nItem2=Menu\r\nItem1=\u9F20\u6807\r\n")},
        {"utf-8 stays utf-8", "[Setting-CHS]\r\nItem2=\xC3\xBC\r\n", "\xE9\xBC\xA0\xE6\xA0\x87",
         ToBytes("[Setting-CHS]\r\nItem2=\xC3\xBC\r\nItem1=\xE9\xBC\xA0\xE6\xA0\x87\r\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::MemoryFileSystem files;
        files.PutText("str.ini", c.original);
        ASSERT_EQ(IniFile(files, "str.ini").WriteString("Setting-CHS", "Item1", c.caption), 0);
        EXPECT_EQ(files.Get("str.ini"), c.expected);
    }
}

TEST(IniDocumentTest, ChineseAndGermanSurviveEveryEncoding) {
    struct Case {
        const char* name;
        Bytes original;
        TextEncoding after;
    };
    const std::vector<Case> cases = {
        {"new", {}, TextEncoding::Utf16Le},
        {"utf16", test::TextFiles::Utf16(u"[x]\r\n"), TextEncoding::Utf16Le},
        {"utf8 bom", ToBytes("\xEF\xBB\xBF[x]\r\n"), TextEncoding::Utf8Bom},
        {"utf8", ToBytes("[x]\r\ny=\xC3\xBC\r\n"), TextEncoding::Utf8},
        {"ascii", ToBytes("[x]\r\n"), TextEncoding::Utf16Le},
        {"legacy", ToBytes("[x]\r\ny=\xFC\r\n"), TextEncoding::Utf16Le},
    };
    const std::string chinese = "\xE9\xBC\xA0\xE6\xA0\x87"; // mouse
    const std::string german = "Gro\xC3\x9F";               // large
    const std::string emoji = "\xF0\x9F\x98\x80";           // needs a surrogate pair in UTF-16
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        IniDocument document = IniDocument::Parse(c.original);
        document.SetString(chinese, german, chinese);
        document.SetString("L\xC3\xB6schen", chinese, german + emoji);
        const IniDocument reread = IniDocument::Parse(document.Serialize());
        EXPECT_EQ(reread.Encoding(), c.after);
        EXPECT_EQ(reread.GetString(chinese, german), chinese);
        EXPECT_EQ(reread.GetString("L\xC3\xB6schen", chinese), german + emoji);
    }
}

TEST(IniDocumentTest, ArbitraryBytesNeverBreakIt) {
    const std::uint8_t alphabet[] = {0xFF, 0xFE, 0xEF, 0xBB, 0xBF, '[',  ']',  '=',  ';', '\r', '\n',
                                     ' ',  0x00, 0xD8, 0xDC, 0x80, 0xC3, 0xF4, 0xE9, 'a', 'b',  '"'};
    std::mt19937 random(20240601);
    for (int round = 0; round < 3000; ++round) {
        Bytes bytes(random() % 48);
        for (std::uint8_t& byte : bytes) {
            byte = alphabet[random() % sizeof(alphabet)];
        }
        IniDocument document = IniDocument::Parse(bytes);
        document.GetString("a", "b");
        const Bytes once = document.Serialize();
        ASSERT_EQ(IniDocument::Parse(once).Serialize(), once) << testing::PrintToString(bytes);

        document.SetString("a", "b", "v");
        IniDocument reread = IniDocument::Parse(document.Serialize());
        ASSERT_EQ(reread.GetString("a", "b"), "v") << testing::PrintToString(bytes);
        reread.DeleteKey("a", "b");
        reread.DeleteSection("a");
        reread.Serialize();
    }
}

} // namespace
} // namespace corvalith::ini
