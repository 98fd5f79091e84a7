#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvalith {

// One line of a macro: a key down ("A   Dn"), a key up ("A   Up") or a delay ("50 ms"). Items are kept as
// text, in the macro manager's event list and in record.ini, and classified by what they contain.
class MacroItem {
public:
    MacroItem() = delete;

    enum class Kind { KeyDown, KeyUp, Delay, Other };

    static constexpr std::string_view kDownMarker = "   Dn";
    static constexpr std::string_view kUpMarker = "   Up";
    static constexpr std::string_view kDelaySuffix = " ms";

    // A key down if the item contains the down marker, else a key up if it contains the up marker, else a
    // delay if it contains "ms"; anything else is ignored.
    static Kind Classify(std::string_view item);

    static bool ContainsMs(std::string_view item) { return item.find("ms") != std::string_view::npos; }

    // The key name of a key item: the item without its marker.
    static std::string KeyName(std::string_view item);

    // The milliseconds of a delay item: the text without " ms", read as the number it starts with (blanks
    // and a sign allowed, 0 without digits).
    static long long DelayValue(std::string_view item);

    static std::string KeyDown(std::string_view keyName) {
        return std::string(keyName) + std::string(kDownMarker);
    }
    static std::string KeyUp(std::string_view keyName) {
        return std::string(keyName) + std::string(kUpMarker);
    }
    static std::string Delay(std::uint32_t milliseconds);

    // `text` with every occurrence of `what` removed.
    static std::string RemoveAll(std::string_view text, std::string_view what);
};

} // namespace corvalith
