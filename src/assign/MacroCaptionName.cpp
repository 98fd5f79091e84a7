#include "assign/MacroCaptionName.h"

namespace corvalith {

std::string_view MacroCaptionName::Of(std::string_view caption) {
    const std::size_t colon = caption.find(':');
    return colon == std::string_view::npos ? caption : caption.substr(colon + 1);
}

std::string MacroCaptionName::Replaced(std::string_view caption, std::string_view name) {
    const std::size_t colon = caption.find(':');
    const std::string_view entry =
        colon == std::string_view::npos ? std::string_view() : caption.substr(0, colon + 1);
    return std::string(entry) + std::string(name);
}

} // namespace corvalith
