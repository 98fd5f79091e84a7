#pragma once

#include <string>
#include <vector>

namespace corvalith {

// A macro as record.ini keeps it.
struct Macro {
    std::string Name;
    // The loop count as text, exactly as stored; the encoding reads it (valid range 1 to 65535).
    std::string LoopCountText;
    // "DelayTimeSelStatus" read as a number: 1 when the macro was recorded with its delays.
    long long DelayRecording = 0;
    // The items in playing order: "A   Dn", "A   Up", "50 ms".
    std::vector<std::string> Items;
};

} // namespace corvalith
