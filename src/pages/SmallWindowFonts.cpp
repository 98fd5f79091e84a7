#include "pages/SmallWindowFonts.h"

#include "lang/LanguageCode.h"

namespace corvalith {

namespace {

constexpr std::string_view kChineseFace = "黑体";
constexpr std::string_view kLatinFace = "Arial";

} // namespace

bool SmallWindowFonts::NoticeUsesChineseFace(std::string_view code) {
    return code == "CHS" || code == "CHT" || code == "JP";
}

SmallWindowFonts::Font SmallWindowFonts::Warning(std::string_view code) {
    return NoticeUsesChineseFace(code) ? Font{13, kChineseFace} : Font{14, kLatinFace};
}

SmallWindowFonts::Font SmallWindowFonts::WarningButton(std::string_view code) {
    return NoticeUsesChineseFace(code) ? Font{12, kChineseFace} : Font{14, kLatinFace};
}

SmallWindowFonts::Font SmallWindowFonts::ToolTip(std::string_view code) {
    return Font{12, LanguageCode::FontFace(code)};
}

} // namespace corvalith
