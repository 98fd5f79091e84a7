#include "lang/LanguageCode.h"

namespace corvalith {

std::optional<Language> LanguageCode::Parse(std::string_view code) {
    if (code == "CHS") {
        return Language::SimplifiedChinese;
    }
    if (code == "CHT") {
        return Language::TraditionalChinese;
    }
    if (code == "EN") {
        return Language::English;
    }
    if (code == "DE") {
        return Language::German;
    }
    return std::nullopt;
}

bool LanguageCode::IsUsable(std::string_view code) {
    return Parse(code).has_value();
}

Language LanguageCode::FromUiLanguage(std::uint16_t languageId) {
    constexpr std::uint16_t kChinese = 0x04;
    constexpr std::uint16_t kGerman = 0x07;
    const std::uint16_t primary = languageId & 0x3FF;
    const std::uint16_t sub = languageId >> 10;
    if (primary == kGerman) {
        return Language::German;
    }
    if (primary != kChinese) {
        return Language::English;
    }
    // Taiwan (1), Hong Kong (3), Macao (5) and the traditional script (0x1F, zh-Hant) write traditional
    // characters; the People's Republic (2), Singapore (4) and the simplified script (0, zh-Hans)
    // simplified ones, as does any sub-language not known here.
    switch (sub) {
    case 0x01:
    case 0x03:
    case 0x05:
    case 0x1F:
        return Language::TraditionalChinese;
    default:
        return Language::SimplifiedChinese;
    }
}

std::string_view LanguageCode::Choose(std::string_view stored, std::uint16_t uiLanguageId) {
    return CodeOf(Parse(stored).value_or(FromUiLanguage(uiLanguageId)));
}

std::string_view LanguageCode::CodeOf(Language language) {
    switch (language) {
    case Language::SimplifiedChinese:
        return "CHS";
    case Language::TraditionalChinese:
        return "CHT";
    case Language::German:
        return "DE";
    case Language::English:
        break;
    }
    return "EN";
}

Language LanguageCode::ListLanguage(std::string_view code) {
    if (code == "CHS") {
        return Language::SimplifiedChinese;
    }
    if (code == "CHT") {
        return Language::TraditionalChinese;
    }
    if (code == "DE") {
        return Language::German;
    }
    return Language::English;
}

std::string_view LanguageCode::FontFace(std::string_view code) {
    return code == "CHS" || code == "CHT" ? "黑体" : "Arial";
}

std::string LanguageCode::ReadFrom(const ini::IniFile& textFile) {
    return textFile.ReadString(kSection, kKey);
}

} // namespace corvalith
