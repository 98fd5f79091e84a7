#pragma once

#include "profile/ProfileSettings.h"

#include <array>
#include <cstdint>
#include <string>

namespace corvalith {

// The profile state of one running program: the working profile every page edits, the snapshot of what
// the mouse holds, the profile indexes and the assignment captions of the seven button rows.
struct ProfileSession {
    ProfileSettings Working{};
    // A byte copy of the working profile taken after every write to the mouse; DPI texts read it so that
    // they show what the mouse holds.
    ProfileSettings AppliedSnapshot{};
    // The index used in the numbered file names config<n>.bin and str<n>.ini.
    std::uint8_t CurrentProfileIndex = 0;
    // The profile whose settings are in the working profile.
    std::int32_t LoadedProfileIndex = 0;
    // Per list position: the entry was added by New and is created from the base profile when chosen.
    std::array<bool, 6> NewEntryFlags{};
    // An import into the working profile happened since the profile manager last closed.
    bool ImportDone = false;
    // Caption of button slots 0 to 7 as the main window shows them; a stored text, never rebuilt.
    std::array<std::string, ProfileSettings::kButtonSlots> Captions;

    void TakeSnapshot() { AppliedSnapshot = Working; }
};

} // namespace corvalith
