#pragma once

#include "Canvas.h"

#include <string>
#include <vector>

namespace skingen {

// The mouse drawn as vector art in three views, and the numbered hot-spot callouts that point at its
// buttons. Everything is laid out in the main window's client coordinates, where the views are drawn:
// the top view's picture at 395, 85 and the side view's at 300, 226; each hot spot's image has its
// top-left corner at the window's fixed position for it, and its leader ends on the drawn button.
class MouseArt {
public:
    struct View {
        int originX;
        int originY;
        int width;
        int height;
    };
    static constexpr View kTop{395, 85, 200, 345};
    static constexpr View kSide{300, 226, 345, 140};
    static constexpr View kBack{420, 270, 170, 130};

    struct HotSpot {
        int x; // the image's top-left corner in window coordinates
        int y;
        double dotX; // where the leader touches the button
        double dotY;
        double badgeX; // the numbered badge's centre
        double badgeY;
        int number;
        int Width() const;
        int Height() const;
    };

    static std::vector<HotSpot> FrontHotSpots();
    static std::vector<HotSpot> SideHotSpots();
    static std::vector<HotSpot> BackHotSpots();

    // Each view into a canvas of the view's size.
    static void DrawTop(const Canvas& c);
    static void DrawSide(const Canvas& c);
    static void DrawBack(const Canvas& c);
    // A hot spot's image in its normal or over state, into a canvas of its size; with offset the
    // callout is drawn into a larger picture whose origin is at that window position.
    static void DrawHotSpot(const Canvas& c, const HotSpot& spot, bool over, double originX, double originY);
};

} // namespace skingen
