#include "platform/TextNumber.h"

namespace corvalith {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The digits from `start` on, held at the limit; `end` is where the first other character stands.
long long ReadDigits(std::string_view text, std::size_t start, std::size_t& end) {
    long long value = 0;
    end = start;
    for (; end < text.size() && IsDigit(text[end]); ++end) {
        value = value < TextNumber::kLimit ? value * 10 + (text[end] - '0') : value;
    }
    return value < TextNumber::kLimit ? value : TextNumber::kLimit;
}

} // namespace

std::optional<long long> TextNumber::Parse(std::string_view text) {
    std::size_t end = 0;
    const long long value = ReadDigits(text, 0, end);
    if (end == 0 || end != text.size()) {
        return std::nullopt;
    }
    return value;
}

long long TextNumber::ParseLeading(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsWhiteSpace(text[i])) {
        ++i;
    }
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t end = 0;
    const long long value = ReadDigits(text, i, end);
    return negative ? -value : value;
}

} // namespace corvalith
