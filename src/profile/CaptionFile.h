#pragma once

#include "ini/IniDocument.h"
#include "profile/ProfileSettings.h"

#include <array>
#include <string>
#include <string_view>

namespace corvalith {

// The button captions of a profile's text file (str<n>.ini, an exported pair's .ini): keys "Item1" to
// "Item8" of a language section ("Setting-EN"...), slot s under "Item<s + 1>".
class CaptionFile {
public:
    using Captions = std::array<std::string, ProfileSettings::kButtonSlots>;

    CaptionFile() = delete;

    // "Item1".."Item8"; a missing key reads as "".
    static Captions Read(const ini::IniDocument& text, std::string_view section);
    // "Item1".."Item7" (slot 7 is never assigned, so "Item8" is never written), each quoted when needed.
    static void Put(ini::IniDocument& text, std::string_view section, const Captions& captions);
    // One slot's key, written as Put writes it.
    static void PutSlot(ini::IniDocument& text, std::string_view section, std::size_t slot,
                        const std::string& caption);

    // Values are read back trimmed and without one pair of enclosing quotes, so a caption that starts or
    // ends with a blank or a quote ("Scroll ") is stored in quotes to come back exactly as it was.
    static std::string QuotedIfNeeded(const std::string& caption);
};

} // namespace corvalith
