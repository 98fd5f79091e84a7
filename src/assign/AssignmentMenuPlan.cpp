#include "assign/AssignmentMenuPlan.h"

namespace corvalith {

namespace {

struct SubmenuOfGroup {
    CatalogueGroup Group;
    int ItemWidth;
};

// The submenus in main-menu order, with their item widths.
constexpr std::array<SubmenuOfGroup, AssignmentMenuPlan::kSubmenus> kSubmenuGroups = {{
    {CatalogueGroup::Dpi, 90},
    {CatalogueGroup::Media, 120},
    {CatalogueGroup::Shortcut, 130},
    {CatalogueGroup::System, 130},
}};

constexpr int kDeactivatedCommand = 2013;

// The main menu's own entries that come after the submenus.
bool ComesAfterSubmenus(int commandId) {
    return commandId == AssignmentCatalogue::kSingleKeyCommand ||
           commandId == AssignmentCatalogue::kMacroCommand || commandId == kDeactivatedCommand;
}

} // namespace

AssignmentMenuPlan::AssignmentMenuPlan(const AssignmentCatalogue& catalogue) {
    main_.ItemWidth = kMainWidth;
    std::vector<Item> last;
    for (const CatalogueEntry& entry : catalogue.Entries()) {
        if (entry.Group != CatalogueGroup::Fixed) {
            continue;
        }
        (ComesAfterSubmenus(entry.CommandId) ? last : main_.Items)
            .push_back({entry.CommandId, entry.Text, -1});
    }
    for (std::size_t i = 0; i < kSubmenus; ++i) {
        Menu& submenu = submenus_[i];
        submenu.ItemWidth = kSubmenuGroups[i].ItemWidth;
        for (const CatalogueEntry& entry : catalogue.Entries()) {
            if (entry.Group == kSubmenuGroups[i].Group) {
                submenu.Items.push_back({entry.CommandId, entry.Text, -1});
            }
        }
        main_.Items.push_back({0, catalogue.GroupTitle(kSubmenuGroups[i].Group), static_cast<int>(i)});
    }
    main_.Items.insert(main_.Items.end(), last.begin(), last.end());
}

} // namespace corvalith
