#pragma once

#include "profile/CaptionFile.h"
#include "profile/ProfileSession.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace corvalith {

// Keeps the buttons that play a macro bound to the macro their caption names. A button keeps the macro's
// list position (its block in the macro block table) and shows the macro's name after the first ":" of its
// caption; when the list changes, the positions follow the names.
class MacroButtonBinding {
public:
    MacroButtonBinding() = delete;

    using Captions = CaptionFile::Captions;

    // Sets the block index of every button that plays a macro to the list position of the macro its
    // caption names (names compared the way section names are). A button whose macro is not in the list
    // (or not among the first twelve) keeps its index. True when an index changed.
    static bool Rebind(ProfileSettings& profile, const Captions& captions,
                       const std::vector<std::string>& names);
    static bool Rebind(ProfileSession& session, const std::vector<std::string>& names) {
        return Rebind(session.Working, session.Captions, names);
    }

    // After a rename: every button that plays `oldName` shows `newName` in its caption. True when a caption
    // changed.
    static bool Rename(const ProfileSettings& profile, Captions& captions, std::string_view oldName,
                       std::string_view newName);
    static bool Rename(ProfileSession& session, std::string_view oldName, std::string_view newName) {
        return Rename(session.Working, session.Captions, oldName, newName);
    }
};

} // namespace corvalith
