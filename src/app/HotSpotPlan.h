#pragma once

#include <string>
#include <vector>

namespace corvalith {

// Which button hot spots of the mouse picture are drawn for the selected row, and in which order: the
// "over" image of the selected button first, then the normal ones in ascending number.
class HotSpotPlan {
public:
    struct Image {
        int Number; // 1..7: F-n in the top view, S-n in the side view
        bool Over;  // the selected button
        int X;      // top-left corner in client coordinates
        int Y;
        std::string Path; // relative to the program folder
    };

    // view 1 (top) or 2 (side); selection = selected slot + 1, or 255 with nothing selected.
    static std::vector<Image> For(int view, int selection);
};

} // namespace corvalith
