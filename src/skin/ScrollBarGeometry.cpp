#include "skin/ScrollBarGeometry.h"

#include <algorithm>

namespace corvalith {

namespace {

// The smallest thumb the bar draws once its track is long enough to hold one.
constexpr int kMinimumThumb = 12;

} // namespace

ScrollBarGeometry::ScrollBarGeometry(int length, int cell, const ScrollBarRange& range, int position)
    : length_(std::max(length, 0)), range_(range) {
    cell = std::max(cell, 0);
    arrow_ = length_ < 2 * cell ? length_ / 2 : cell;
    track_ = std::max(0, length_ - 2 * cell);

    const long long span = static_cast<long long>(range.maximum) - range.minimum + 1;
    const long long page = std::max(range.page, 0);
    const long long scrollable = span - page;
    if (scrollable > 0 && track_ > kMinimumThumb - 1) {
        thumb_ = static_cast<int>(std::max<long long>(track_ * page / span, kMinimumThumb));
    } else {
        thumb_ = 0;
    }
    if (scrollable > 0) {
        // A position outside the range would put the thumb beside the track; it stays on it.
        const long long q = std::clamp<long long>(position, 0, scrollable);
        offset_ = static_cast<int>(q * (track_ - thumb_) / scrollable);
    } else {
        offset_ = (track_ - thumb_) / 2;
    }
}

ScrollBarGeometry::Span ScrollBarGeometry::PartSpan(ScrollBarPart part) const {
    switch (part) {
    case ScrollBarPart::LineUp:
        return {0, arrow_};
    case ScrollBarPart::PageUp:
        return {arrow_, ThumbStart()};
    case ScrollBarPart::Thumb:
        return {ThumbStart(), ThumbEnd()};
    case ScrollBarPart::PageDown:
        return {ThumbEnd(), length_ - arrow_};
    case ScrollBarPart::LineDown:
        return {length_ - arrow_, length_};
    case ScrollBarPart::None:
        break;
    }
    return {0, 0};
}

ScrollBarPart ScrollBarGeometry::HitTest(int along) const {
    for (ScrollBarPart part : {ScrollBarPart::LineUp, ScrollBarPart::PageUp, ScrollBarPart::Thumb,
                               ScrollBarPart::PageDown, ScrollBarPart::LineDown}) {
        if (PartSpan(part).Contains(along)) {
            return part;
        }
    }
    return ScrollBarPart::None;
}

int ScrollBarGeometry::DragPosition(int startPosition, int movement) const {
    const long long span = static_cast<long long>(range_.maximum) - range_.minimum + 1;
    const long long scrollable = span - std::max(range_.page, 0);
    const long long room = track_ - thumb_;
    long long position = startPosition;
    if (room > 0) {
        position += movement * scrollable / room;
    }
    const long long highest = static_cast<long long>(range_.maximum) - range_.minimum - range_.page + 1;
    position = std::min(position, highest);
    position = std::max<long long>(position, range_.minimum);
    return static_cast<int>(position);
}

} // namespace corvalith
