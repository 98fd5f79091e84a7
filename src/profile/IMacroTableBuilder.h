#pragma once

#include "profile/ProfileSettings.h"

#include <string>

namespace corvalith {

// Rebuilds the macro block table of a profile from the macros file, so that a loaded profile always
// carries the macros the user keeps in record.ini.
class IMacroTableBuilder {
public:
    virtual ~IMacroTableBuilder() = default;
    virtual void RebuildMacroBlockTable(const std::string& macrosFilePath, ProfileSettings& profile) = 0;
};

} // namespace corvalith
