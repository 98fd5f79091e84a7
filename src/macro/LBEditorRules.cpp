#include "macro/LBEditorRules.h"

#include "ini/IniFile.h"
#include "macro/MacroFile.h"
#include "macro/MacroItem.h"
#include "platform/TextNumber.h"

#include <algorithm>

namespace corvalith {

namespace {

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

char FoldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool LBEditorRules::SameName(std::string_view a, std::string_view b) {
    a = Trim(a);
    b = Trim(b);
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

std::optional<std::string> LBEditorRules::Name(const std::vector<std::string>& items, std::size_t index,
                                               std::string_view text) {
    const std::string_view name = Trim(text);
    if (name.empty() || !MacroFile::IsStorableName(name) || !ini::IniFile::FitsName(name)) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i != index && SameName(items[i], name)) {
            return std::nullopt;
        }
    }
    return std::string(name);
}

std::string LBEditorRules::Delay(std::string_view text) {
    const long long value = std::clamp(TextNumber::ParseLeading(text), 0LL, kMaxDelay);
    return MacroItem::Delay(static_cast<std::uint32_t>(value));
}

std::optional<std::string> LBEditorRules::Apply(Kind kind, const std::vector<std::string>& items,
                                                std::size_t index, std::string_view text) {
    if (kind == Kind::Delay) {
        return Delay(text);
    }
    return Name(items, index, text);
}

} // namespace corvalith
