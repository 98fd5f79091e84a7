#pragma once

#include <functional>

namespace corvalith {

// Fits a text into its place with a smaller font of the same face rather than cutting it: the design
// height when the text fits at it (so a text that fits keeps its pixels), else the largest smaller
// height at which it fits, down to the smallest readable one.
class TextFit {
public:
    static constexpr int kSmallestHeight = 9;

    // A one-line text; widthAt: its width in pixels at a font height.
    static int Height(int designHeight, int availableWidth, const std::function<int(int height)>& widthAt);
    // Any text; fits: whether it fits its place at a font height (a wrapped text: its lines' width and
    // their height together).
    static int Height(int designHeight, const std::function<bool(int height)>& fits);
};

} // namespace corvalith
