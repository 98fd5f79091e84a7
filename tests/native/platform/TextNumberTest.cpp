#include "platform/TextNumber.h"

#include <gtest/gtest.h>

#include <optional>

namespace corvalith {
namespace {

TEST(TextNumber, WholeTextsAndLeadingNumbers) {
    constexpr long long kHeld = 1'000'000'000'000LL;
    struct Case {
        const char* text;
        std::optional<long long> whole;
        long long leading;
    };
    const Case cases[] = {
        {"0", 0, 0},
        {"42", 42, 42},
        {"007", 7, 7},
        {"00000000000000000000005", 5, 5},
        {"", std::nullopt, 0},
        {" 3", std::nullopt, 3},
        {"3 ", std::nullopt, 3},
        {" \t\r\n\v\f12", std::nullopt, 12},
        {"+7", std::nullopt, 7},
        {"-5", std::nullopt, -5},
        {"-", std::nullopt, 0},
        {"+-3", std::nullopt, 0},
        {"- 3", std::nullopt, 0},
        {"abc", std::nullopt, 0},
        {"12abc", std::nullopt, 12},
        {"50 ms", std::nullopt, 50},
        {"1 2", std::nullopt, 1},
        {"999999999999", 999'999'999'999LL, 999'999'999'999LL},
        {"1000000000001", kHeld, kHeld},
        {"99999999999999999999", kHeld, kHeld},
        {"-99999999999999999999", std::nullopt, -kHeld},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextNumber::Parse(c.text), c.whole) << '"' << c.text << '"';
        EXPECT_EQ(TextNumber::ParseLeading(c.text), c.leading) << '"' << c.text << '"';
    }
}

} // namespace
} // namespace corvalith
