#pragma once

#include <string>

namespace corvalith {

// printf-style formatting into a string, for the fixed debug lines of the program.
class TextFormat {
public:
    static std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
};

} // namespace corvalith
