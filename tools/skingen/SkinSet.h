#pragma once

#include "SkinFile.h"

#include <string>

namespace skingen {

// Every file of the Skins folder, drawn and written under a folder.
class SkinSet {
public:
    static SkinFiles All();
    // Writes every file, creating its folders; returns the number written.
    static int WriteAll(const std::string& folder);
};

} // namespace skingen
