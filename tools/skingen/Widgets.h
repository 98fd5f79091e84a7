#pragma once

#include "Canvas.h"

#include <string>

namespace skingen {

// The look of a push button image.
enum class ButtonLook { Normal, Hover, Pressed, Disabled };

// Drawing pieces the skin's windows share, so that every window has the same surfaces, frames,
// buttons and marks.
class Widgets {
public:
    // A window background: charcoal with a fine grain of light, a hairline border and a red accent line.
    static void WindowSurface(const Canvas& c);
    // The title band across the top of a window: darker, with the red rule under it.
    static void TitleBand(const Canvas& c, double x, double width, double height);
    // A raised panel with a soft border.
    static void Panel(const Canvas& c, double x, double y, double w, double h, double radius = 4);
    // A sunken well (the area behind a list or a text field).
    static void Well(const Canvas& c, double x, double y, double w, double h, const Colour& fill);
    // A push button of w x h at x, y.
    static void Button(const Canvas& c, double x, double y, double w, double h, ButtonLook look,
                       double radius = 3);
    // A header bar of the collapsible sections.
    static void HeaderBar(const Canvas& c, double w, double h);
    // An option mark: a ring, filled red when chosen.
    static void OptionMark(const Canvas& c, double size, bool chosen);
    // A check box: a square well, ticked in red.
    static void CheckBox(const Canvas& c, double size, bool ticked);
    // Small glyphs, centred in a box of the given size, in colour.
    static void CloseGlyph(const Canvas& c, double cx, double cy, double half, const Colour& colour,
                           double width);
    static void MinimiseGlyph(const Canvas& c, double cx, double cy, double half, const Colour& colour);
    static void HelpGlyph(const Canvas& c, double cx, double cy, double size, const Colour& colour);
    static void Chevron(const Canvas& c, double cx, double cy, double size, const Colour& colour, bool down);
    static void Gear(const Canvas& c, double cx, double cy, double radius, const Colour& colour);
    // The product's emblem: a red hexagon holding a stylised C, radius to the hexagon's corners.
    static void Emblem(const Canvas& c, double cx, double cy, double radius, bool monochrome = false);
    // A slider groove (empty) or fill bar across w x h at x, y.
    static void Groove(const Canvas& c, double x, double y, double w, double h, bool filled,
                       bool vertical = false);
};

} // namespace skingen
