#pragma once

#include <cstdlib>

namespace corvalith::test {

// The long reliability campaign (make reliability) sets CORVALITH_LONG_CAMPAIGN: the program-level tests
// then run their full counts instead of the short ones `make test` runs.
inline bool LongCampaign() {
    const char* value = std::getenv("CORVALITH_LONG_CAMPAIGN");
    return value != nullptr && *value != '\0' && *value != '0';
}

} // namespace corvalith::test
