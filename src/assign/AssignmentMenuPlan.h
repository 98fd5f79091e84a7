#pragma once

#include "assign/AssignmentCatalogue.h"
#include "platform/Point.h"

#include <array>
#include <string>
#include <vector>

namespace corvalith {

// The assignment menu of a button as the window builds it from the catalogue: the main menu with the
// mouse functions, four submenus (DPI, multimedia, basic and additional commands) and the single key,
// macro and deactivated entries, each menu with its item width and the texts of the current language.
class AssignmentMenuPlan {
public:
    static constexpr int kMainWidth = 130;
    static constexpr std::size_t kSubmenus = 4;
    // The menu opens this far right of the clicked drop-down box, level with its top.
    static constexpr int kGap = 5;

    struct Item {
        int CommandId = 0; // 0 for an item that opens a submenu
        std::string Text;
        int Submenu = -1; // index into Submenus, -1 for a command
    };

    struct Menu {
        int ItemWidth = 0;
        std::vector<Item> Items;
    };

    explicit AssignmentMenuPlan(const AssignmentCatalogue& catalogue);

    const Menu& Main() const { return main_; }
    // In the order the main menu opens them: DPI, multimedia, basic, additional commands.
    const std::array<Menu, kSubmenus>& Submenus() const { return submenus_; }

    // Where the menu opens, for a drop-down box with this right edge and top (screen coordinates).
    static Point Origin(int boxRight, int boxTop) { return {boxRight + kGap, boxTop}; }

private:
    Menu main_;
    std::array<Menu, kSubmenus> submenus_;
};

} // namespace corvalith
