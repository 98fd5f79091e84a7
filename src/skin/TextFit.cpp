#include "skin/TextFit.h"

namespace corvalith {

int TextFit::Height(int designHeight, int availableWidth, const std::function<int(int height)>& widthAt) {
    return Height(designHeight, [&](int height) { return widthAt(height) <= availableWidth; });
}

int TextFit::Height(int designHeight, const std::function<bool(int height)>& fits) {
    int height = designHeight;
    while (height > kSmallestHeight && !fits(height)) {
        --height;
    }
    return height;
}

} // namespace corvalith
