#pragma once

#include "SkinFile.h"

#include <string>
#include <vector>

namespace skingen {

// Every file of the Skins folder, drawn and written under a folder in one of the art sets.
class SkinSet {
public:
    static SkinFiles All();
    // The files the program's list of skin file names holds that are not drawn, and the drawn files it
    // does not hold (each list empty when the two agree).
    static std::vector<std::string> Undrawn();
    static std::vector<std::string> Unlisted();
    // Writes every file drawn for the set (100, 150 or 200 %), creating its folders; returns the number
    // written.
    static int WriteAll(const std::string& folder, int set = 100);
};

} // namespace skingen
