#include "macro/MacroItem.h"

namespace corvalith {

MacroItem::Kind MacroItem::Classify(std::string_view item) {
    if (item.find(kDownMarker) != std::string_view::npos) {
        return Kind::KeyDown;
    }
    if (item.find(kUpMarker) != std::string_view::npos) {
        return Kind::KeyUp;
    }
    if (ContainsMs(item)) {
        return Kind::Delay;
    }
    return Kind::Other;
}

std::string MacroItem::KeyName(std::string_view item) {
    switch (Classify(item)) {
    case Kind::KeyDown:
        return RemoveAll(item, kDownMarker);
    case Kind::KeyUp:
        return RemoveAll(item, kUpMarker);
    case Kind::Delay:
    case Kind::Other:
        break;
    }
    return {};
}

long long MacroItem::DelayValue(std::string_view item) {
    return ParseInteger(RemoveAll(item, kDelaySuffix));
}

std::string MacroItem::Delay(std::uint32_t milliseconds) {
    return std::to_string(milliseconds) + std::string(kDelaySuffix);
}

long long MacroItem::ParseInteger(std::string_view text) {
    constexpr long long kLimit = 1'000'000'000'000LL;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n' ||
                               text[i] == '\v' || text[i] == '\f')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value < kLimit) {
            value = value * 10 + (text[i] - '0');
        }
    }
    if (value > kLimit) {
        value = kLimit;
    }
    return negative ? -value : value;
}

std::string MacroItem::RemoveAll(std::string_view text, std::string_view what) {
    if (what.empty()) {
        return std::string(text);
    }
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t found = text.find(what); found != std::string_view::npos;
         found = text.find(what, start)) {
        result.append(text.substr(start, found - start));
        start = found + what.size();
    }
    result.append(text.substr(start));
    return result;
}

} // namespace corvalith
