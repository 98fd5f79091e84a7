#pragma once

#include "lang/LanguageTable.h"
#include "pages/AdvancedPanelLayout.h"
#include "skin/AccessibleItem.h"

#include <vector>

namespace corvalith {

// The settings panel's drawn section headers as a screen reader finds them, top to bottom: each shown
// header (not the mouse-pad and angle-snapping ones, which the panel never shows) as a section header
// named by its caption, open or closed as its section is, where it stands with the panel scrolled.
class AdvancedPanelAccessibility {
public:
    // scrollPosition: how far the panel is scrolled down; firstHeaderCommand: the command id of section 1's
    // header, the others following in order.
    static std::vector<AccessibleItem> Items(const AdvancedPanelLayout& layout, int scrollPosition,
                                             const LanguageTable& texts, unsigned firstHeaderCommand);
};

} // namespace corvalith
