#pragma once

#include <functional>

namespace corvalith {

// Fits a one-line text into its place with a smaller font of the same face rather than cutting it: the
// design height when the text fits at it (so a text that fits keeps its pixels), else the largest smaller
// height at which it fits, down to the smallest readable one.
class TextFit {
public:
    static constexpr int kSmallestHeight = 9;

    // widthAt: the text's width in pixels at a font height.
    static int Height(int designHeight, int availableWidth, const std::function<int(int height)>& widthAt);
};

} // namespace corvalith
