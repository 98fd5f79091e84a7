#pragma once

namespace corvalith {

// A point in a window's client (or the screen's) pixels.
struct Point {
    int X = 0;
    int Y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

} // namespace corvalith
