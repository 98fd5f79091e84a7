#include "pages/AdvancedPanelAccessibility.h"

namespace corvalith {

std::vector<AccessibleItem> AdvancedPanelAccessibility::Items(const AdvancedPanelLayout& layout,
                                                              int scrollPosition, const LanguageTable& texts,
                                                              unsigned firstHeaderCommand) {
    std::vector<AccessibleItem> items;
    for (int section = 1; section <= AdvancedPanelLayout::kSections; ++section) {
        if (!AdvancedPanelLayout::HeaderShown(section)) {
            continue;
        }
        items.push_back(
            {texts.Text(AdvancedPanelLayout::HeaderCaption(section)), AccessibleItem::Role::SectionHeader,
             std::string(), layout.Header(section).Offset(0, -scrollPosition),
             firstHeaderCommand + static_cast<unsigned>(section - 1), false, !layout.IsCollapsed(section)});
    }
    return items;
}

} // namespace corvalith
