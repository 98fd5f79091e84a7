#pragma once

#include "profile/ProgramRules.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvalith {

// Decides when the program in front switches the profile: once the same program has stayed in front for
// half a second (alt-tabbing through windows switches nothing), never while one of our own windows is in
// front or one of our dialogs is open, only while automatic switching is on, and only to a profile other
// than the active one. The window arms a timer when told to and asks again when it fires.
class ForegroundFollower {
public:
    static constexpr std::uint32_t kSettleMs = 500;

    // A window of `program` (its full path; empty when unknown) came to the front at `now`. ours: a window
    // of this program. Returns the delay after which to ask again.
    std::uint32_t OnForeground(std::string program, bool ours, std::uint32_t now);

    struct Decision {
        std::optional<std::string> SwitchTo;   // the profile to make active now
        std::optional<std::uint32_t> AskAgain; // the program in front changed too recently: ask after this
    };
    Decision OnTimer(std::uint32_t now, const ProgramRules& rules, bool dialogOpen,
                     std::string_view activeProfile);

private:
    std::string program_;
    bool ours_ = true;
    bool pending_ = false;
    std::uint32_t since_ = 0;
};

} // namespace corvalith
