#pragma once

#include "app/DpiBalloonText.h"
#include "device/DeviceLink.h"
#include "lang/LanguageTable.h"
#include "profile/ProfileSettings.h"

#include <optional>
#include <string>

namespace corvalith {

// What the main window does when the mouse comes, goes or reports a DPI stage change: the device event it
// posts itself, whether the profile is loaded again, what happens to the notification-area icon and to the
// window, and which balloon each device event shows.
class DeviceStatus {
public:
    // wParam of the device event notification.
    enum class Event { StageChanged = 1, MouseFound = 14, MouseGone = 15 };
    enum class Icon {
        Keep,
        Add,
        Remove,
        // Removed once the balloon saying so has been seen: a balloon needs its icon.
        RemoveAfterBalloon,
    };

    struct Reaction {
        std::optional<Event> Post;  // posted to the window before anything else changes
        bool ReloadProfile = false; // profile index 0, the stored profile and its captions, the snapshot
        bool HideWindow = false;
        Icon IconChange = Icon::Keep;
        bool CloseMacroManager = false; // ended as its Cancel does: the mouse it records for has gone
        friend bool operator==(const Reaction&, const Reaction&) = default;
    };

    struct Balloon {
        std::string Title;
        std::string Text;
        unsigned TimeoutMs = 0;
        friend bool operator==(const Balloon&, const Balloon&) = default;
    };

    static Reaction For(DeviceChangeOutcome outcome);

    // The balloon of a device event; value is the stage index of a stage change. Nothing for another code.
    std::optional<Balloon> BalloonFor(int event, unsigned value, const LanguageTable& texts,
                                      const ProfileSettings& snapshot);

private:
    DpiBalloonText dpiText_; // keeps the last stage text, shown again for a stage above 7
};

} // namespace corvalith
