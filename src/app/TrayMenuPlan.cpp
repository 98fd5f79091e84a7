#include "app/TrayMenuPlan.h"

namespace corvalith {

std::vector<TrayMenuPlan::Item> TrayMenuPlan::For(const std::vector<std::string>& names, int active,
                                                  bool automatic, const std::string& automaticText,
                                                  const std::string& exitText) {
    std::vector<Item> items;
    for (std::size_t position = 0; position < names.size(); ++position) {
        items.push_back({kFirstProfile + static_cast<unsigned>(position), names[position],
                         static_cast<int>(position) == active});
    }
    if (!items.empty()) {
        items.push_back({kSeparator, "", false});
        items.push_back({kAutomaticSwitching, automaticText, automatic});
        items.push_back({kSeparator, "", false});
    }
    items.push_back({kExit, exitText, false});
    return items;
}

int TrayMenuPlan::ProfileOf(unsigned command, std::size_t profiles) {
    if (command < kFirstProfile || command - kFirstProfile >= profiles) {
        return -1;
    }
    return static_cast<int>(command - kFirstProfile);
}

} // namespace corvalith
