#pragma once

#include "platform/Rect.h"

namespace corvalith {

// The arithmetic of the marker sliders: where a press or release puts the position, how much of the
// track is drawn filled, and how a position set from outside is kept in range. Integer arithmetic
// throughout, as the sliders draw in whole pixels.
class MarkerSliderGeometry {
public:
    enum class Orientation { Horizontal, Vertical };
    enum class Phase { Dragging, Release };

    struct Range {
        int minimum = 0;
        int maximum = 10;
    };

    // The position for a point given in the slider's own coordinates. Horizontal: minimum +
    // R * (x - left) / W with x raised to at least left; vertical: minimum + R * (bottom - y) / H with y
    // kept within top..bottom while dragging and lowered to at most bottom on release. The result is
    // clamped to the range. A slider without width (or height) stays at its minimum.
    static int PositionFromPoint(Orientation orientation, Phase phase, const Rect& rect, const Range& range,
                                 int x, int y);

    // The filled length of the track: extent * (position - minimum) / (R - 1), within 0..extent. The
    // track is full one step before the maximum; a range narrower than 2 shows the track full.
    static int FillLength(int extent, int position, const Range& range);

    // A position set by the owner: horizontal sliders fall back to the minimum for a value outside the
    // range, vertical sliders clamp it.
    static int SetPosition(Orientation orientation, int value, const Range& range);
};

} // namespace corvalith
