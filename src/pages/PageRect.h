#pragma once

namespace corvalith {

// A rectangle of a settings page in its client coordinates. A point is inside when left <= x < right and
// top <= y < bottom, as the window system tests it; an empty rectangle holds no point.
struct PageRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    PageRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    friend bool operator==(const PageRect&, const PageRect&) = default;
};

} // namespace corvalith
