#pragma once

#include "platform/IDebugOutput.h"
#include "platform/ISystemMouseSettings.h"
#include "profile/IPointerSettingsApplier.h"

namespace corvalith {

// Hands a profile's Windows pointer settings to the system, in order: pointer precision, pointer speed,
// wheel lines, double-click time. A refused call is reported on the debug output and the next one still
// runs.
class PointerSettingsApplier : public IPointerSettingsApplier {
public:
    PointerSettingsApplier(ISystemMouseSettings& system, IDebugOutput& debug)
        : system_(system), debug_(debug) {}

    void ApplyPointerSettings(const ProfileSettings& profile) override;

    // Windows pointer speed of a level: 1 for level 1, else 2 x level - 2.
    static int SpeedOfLevel(int level) { return level == 1 ? 1 : 2 * level - 2; }
    // Double-click time of a level in milliseconds.
    static int DoubleClickTimeOfLevel(int level) { return 970 - 70 * level; }

private:
    ISystemMouseSettings& system_;
    IDebugOutput& debug_;
};

} // namespace corvalith
