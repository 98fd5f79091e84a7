#pragma once

#include "profile/ProfileSettings.h"

#include <array>
#include <string>

namespace corvalith {

// The balloon text of a DPI-stage change on the mouse: the stage text of the language table, then "(",
// the stage's DPI as the mouse holds it (the applied snapshot's coarse code x 100) and ")". A stage
// index above 7 changes nothing: the previous text is shown again.
class DpiBalloonText {
public:
    using StageTexts = std::array<std::string, 8>;

    const std::string& ForStage(unsigned stage, const StageTexts& texts, const ProfileSettings& snapshot);

private:
    std::string text_;
};

} // namespace corvalith
