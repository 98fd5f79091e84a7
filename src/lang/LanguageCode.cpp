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
