#include "macro/MacroItem.h"

#include "platform/TextNumber.h"

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
    return TextNumber::ParseLeading(RemoveAll(item, kDelaySuffix));
}

std::string MacroItem::Delay(std::uint32_t milliseconds) {
    return std::to_string(milliseconds) + std::string(kDelaySuffix);
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
