#include "framework/Win32Prompts.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

TEST(Win32PromptsTest, FileFiltersBecomeZeroSeparatedListsEndingInTwoZeros) {
    using namespace std::string_literals;
    struct Case {
        const char* filter;
        std::wstring expected;
    };
    const Case cases[] = {
        {"Gaming Mouse Profile(*.bin)|*.bin||", L"Gaming Mouse Profile(*.bin)\0*.bin\0\0\0\0"s},
        {"Profile|*.bin", L"Profile\0*.bin\0\0"s},
        {"A|*.a|B|*.b|", L"A\0*.a\0B\0*.b\0\0\0"s},
        {"Profil Größe|*.bin", L"Profil Gr\u00f6\u00dfe\0*.bin\0\0"s},
        {"", L"\0\0"s},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Win32Prompts::FilterForDialog(c.filter), c.expected) << c.filter;
    }
}

} // namespace
} // namespace corvalith
