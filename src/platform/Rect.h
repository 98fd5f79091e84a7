#pragma once

namespace corvalith {

// A rectangle in a window's client (or the screen's) pixels. A point is inside when left <= x < right and
// top <= y < bottom, as the window system tests it; an empty rectangle holds no point.
struct Rect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    constexpr Rect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace corvalith
