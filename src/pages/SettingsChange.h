#pragma once

#include <cstdint>

namespace corvalith {

// The notifications a settings page or the advanced panel posts for the main window, and the change
// codes (lParam) of the settings-changed notification.
enum PageMessage : unsigned {
    kClearSelectionMessage = 0x07F4,
    kSettingsChangedMessage = 0x07FF,
};

enum class SettingsChange : std::intptr_t {
    ReshowPanels = 0,
    PointerSpeed = 1,
    DoubleClick = 2,
    Scroll = 3,
    Dpi = 4,
    PollingRate = 5,
    Lighting = 6,
};

} // namespace corvalith
