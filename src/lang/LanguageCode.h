#pragma once

#include "ini/IniFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvalith {

enum class Language { SimplifiedChinese, TraditionalChinese, English, German };

// The language code ("CHS", "CHT", "EN", "DE") that selects the interface texts, and the decisions
// taken from it. Codes are compared exactly and case-sensitively: "en" is not English.
class LanguageCode {
public:
    LanguageCode() = delete;

    static constexpr std::string_view kSection = "Skins";
    static constexpr std::string_view kKey = "Lan";

    // The language of one of the four codes; nullopt for any other code.
    static std::optional<Language> Parse(std::string_view code);

    // Whether a stored code selects a language: exactly one of the four codes.
    static bool IsUsable(std::string_view code);

    // The language of a Windows interface language (a LANGID: primary language in the low 10 bits,
    // sub-language in the upper 6): German, simplified or traditional Chinese by region or script,
    // English for every other language.
    static Language FromUiLanguage(std::uint16_t languageId);

    // The code the program runs with: the stored one when it is usable, otherwise the code of the
    // Windows interface language, so that a missing or mistyped code never leaves the windows without
    // text.
    static std::string_view Choose(std::string_view stored, std::uint16_t uiLanguageId);

    // The code of a language ("CHS", "CHT", "EN", "DE").
    static std::string_view CodeOf(Language language);

    // The language of the fixed media, shortcut and system lists: "CHS", "CHT" and "DE" select their
    // language, any other code (an empty one included) English.
    static Language ListLanguage(std::string_view code);

    // "黑体" for the two Chinese codes, "Arial" for every other code.
    static std::string_view FontFace(std::string_view code);

    // The code stored in the current text file, "" when the file or the key is missing.
    static std::string ReadFrom(const ini::IniFile& textFile);
};

} // namespace corvalith
