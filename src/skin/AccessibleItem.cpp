#include "skin/AccessibleItem.h"

namespace corvalith {

int AccessibleItem::HitTest(std::span<const AccessibleItem> items, int x, int y) {
    for (std::size_t index = 0; index < items.size(); ++index) {
        if (items[index].Area.Contains(x, y)) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

int AccessibleItem::Navigate(std::size_t count, int from, Step step) {
    const int last = static_cast<int>(count) - 1;
    if (from < -1 || from > last) {
        return -1;
    }
    switch (step) {
    case Step::Next:
        return from >= 0 && from < last ? from + 1 : -1;
    case Step::Previous:
        return from > 0 ? from - 1 : -1;
    case Step::First:
        return from == -1 && count > 0 ? 0 : -1;
    case Step::Last:
        return from == -1 ? last : -1;
    }
    return -1;
}

} // namespace corvalith
