#include "pages/MarkerSliderGeometry.h"

#include <algorithm>

namespace corvalith {

namespace {

int ClampToRange(long long value, const MarkerSliderGeometry::Range& range) {
    // A range given upside down still yields a value between its two ends.
    const long long low = std::min(range.minimum, range.maximum);
    const long long high = std::max(range.minimum, range.maximum);
    return static_cast<int>(std::clamp(value, low, high));
}

} // namespace

int MarkerSliderGeometry::PositionFromPoint(Orientation orientation, Phase phase, const Rect& rect,
                                            const Range& range, int x, int y) {
    const long long span = static_cast<long long>(range.maximum) - range.minimum;
    long long position = range.minimum;
    if (orientation == Orientation::Horizontal) {
        const long long width = rect.Width();
        if (width > 0) {
            const long long px = std::max<long long>(static_cast<long long>(rect.Left) + x, rect.Left);
            position = range.minimum + span * (px - rect.Left) / width;
        }
    } else {
        const long long height = rect.Height();
        if (height > 0) {
            long long py = static_cast<long long>(rect.Top) + y;
            py = std::min<long long>(py, rect.Bottom);
            if (phase == Phase::Dragging) {
                py = std::max<long long>(py, rect.Top);
            }
            position = span * (rect.Bottom - py) / height + range.minimum;
        }
    }
    return ClampToRange(position, range);
}

int MarkerSliderGeometry::FillLength(int extent, int position, const Range& range) {
    if (extent <= 0) {
        return 0;
    }
    const long long steps = static_cast<long long>(range.maximum) - range.minimum - 1;
    const long long done = static_cast<long long>(position) - range.minimum;
    long long fill;
    if (steps <= 0) {
        fill = done >= steps ? extent : 0;
    } else {
        fill = extent * done / steps;
    }
    return static_cast<int>(std::clamp<long long>(fill, 0, extent));
}

int MarkerSliderGeometry::SetPosition(Orientation orientation, int value, const Range& range) {
    if (orientation == Orientation::Horizontal) {
        return (value >= range.minimum && value <= range.maximum) ? value : range.minimum;
    }
    return ClampToRange(value, range);
}

} // namespace corvalith
