#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvalith::test {

// `times` copies of `unit`: long names and values for the tests of the files' limits.
inline std::string Repeated(std::string_view unit, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) {
        text += unit;
    }
    return text;
}

} // namespace corvalith::test
