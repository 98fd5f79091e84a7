#include "skin/TextFit.h"

namespace corvalith {

int TextFit::Height(int designHeight, int availableWidth, const std::function<int(int height)>& widthAt) {
    int height = designHeight;
    while (height > kSmallestHeight && widthAt(height) > availableWidth) {
        --height;
    }
    return height;
}

} // namespace corvalith
