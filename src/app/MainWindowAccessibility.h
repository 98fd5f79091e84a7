#pragma once

#include "app/MainWindowModel.h"
#include "lang/LanguageTable.h"
#include "profile/ProfileSettings.h"
#include "skin/AccessibleItem.h"

#include <array>
#include <string>
#include <vector>

namespace corvalith {

// The main window's drawn controls as a screen reader finds them, in reading order: the help, minimize and
// close buttons, the first section header, the seven drop-down boxes while their section is open (each
// named after its row, its value the assignment it shows), the other three headers, the two view buttons,
// Config and Reset. Only what the window shows is listed: the profile manager, while open, covers the
// headers and the boxes. A header that opens or closes its section is a section header; the macro
// manager's header, which opens a dialog, is a push button.
class MainWindowAccessibility {
public:
    // The command ids the window's buttons send: its own buttons in plan order, the boxes by slot.
    struct Commands {
        unsigned FirstControl = 0;
        unsigned FirstDropDown = 0;
    };
    using Captions = std::array<std::string, ProfileSettings::kButtonSlots>; // what each slot's box shows

    static std::vector<AccessibleItem> Items(const MainWindowModel& model, const LanguageTable& texts,
                                             const Captions& captions, bool profileManagerOpen,
                                             Commands commands);
};

} // namespace corvalith
