#pragma once

#include "profile/ProfileSession.h"

#include <string>

namespace corvalith {

// Rebuilds the macro block table of a profile from the macros file, so that a loaded profile always
// carries the macros the user keeps in record.ini.
class IMacroTableBuilder {
public:
    virtual ~IMacroTableBuilder() = default;
    virtual void RebuildMacroBlockTable(const std::string& macrosFilePath, ProfileSettings& profile) = 0;
    // After the captions of a loaded profile are read: every button that plays a macro gets the block of the
    // macro its caption names, so that a file edited by hand, or a change stopped half-way, heals at the
    // next load.
    virtual void RebindButtons(const std::string& macrosFilePath, ProfileSession& session) = 0;
};

} // namespace corvalith
