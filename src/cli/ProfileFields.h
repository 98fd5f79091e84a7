#pragma once

#include "profile/ProfileSettings.h"

#include <string>
#include <vector>

namespace corvalith {

// Every field of a profile record as "name=value" lines: numbers in decimal, arrays comma-separated,
// colours as six hex digits, assignment kinds by name, macro blocks as hex.
class ProfileFields {
public:
    static std::vector<std::string> Lines(const ProfileSettings& profile);
};

} // namespace corvalith
