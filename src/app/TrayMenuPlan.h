#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace corvalith {

// The notification-area icon's menu: the profiles first, the active one marked, then automatic switching
// by the program in front (marked while on), then "Exit".
class TrayMenuPlan {
public:
    enum Command : unsigned {
        kExit = 2, // the cancel command, which ends the main window's modal loop
        kAutomaticSwitching = 1200,
        kFirstProfile = 1210, // the profile at list position n has kFirstProfile + n
    };
    static constexpr unsigned kSeparator = 2048; // the menu's separator request

    struct Item {
        unsigned Id = 0;
        std::string Text;
        bool Marked = false;
        friend bool operator==(const Item&, const Item&) = default;
    };

    // names: the profile list (none before a list exists); active: the position of the active profile.
    static std::vector<Item> For(const std::vector<std::string>& names, int active, bool automatic,
                                 const std::string& automaticText, const std::string& exitText);
    // The list position a command chooses, or -1 for another command.
    static int ProfileOf(unsigned command, std::size_t profiles);
};

} // namespace corvalith
