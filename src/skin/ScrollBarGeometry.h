#pragma once

namespace corvalith {

// The parts of a skinned scroll bar; each value is also the scroll code the part sends.
enum class ScrollBarPart : int {
    None = -1,
    LineUp = 0,   // up or left arrow
    LineDown = 1, // down or right arrow
    PageUp = 2,   // track before the thumb
    PageDown = 3, // track after the thumb
    Thumb = 5,
};

// The scroll information a bar shows, as its owner sets it.
struct ScrollBarRange {
    int minimum = 0;
    int maximum = 0;
    int page = 0;
    int position = 0;

    friend bool operator==(const ScrollBarRange&, const ScrollBarRange&) = default;
};

// Where the arrows, the track and the thumb of a skinned scroll bar lie along its length. Positions are
// measured as if the minimum were 0 (the panel that uses the bar always sets minimum 0).
class ScrollBarGeometry {
public:
    // length: the bar's extent along its axis; cell: the skin cell width (the bar's thickness);
    // position: the thumb's position (the track position while it is dragged).
    ScrollBarGeometry(int length, int cell, const ScrollBarRange& range, int position);

    int Length() const { return length_; }
    int ArrowLength() const { return arrow_; }
    int TrackLength() const { return track_; }
    int ThumbLength() const { return thumb_; }
    int ThumbOffset() const { return offset_; }
    int ThumbStart() const { return arrow_ + offset_; }
    int ThumbEnd() const { return arrow_ + offset_ + thumb_; }

    // The half-open range [first, second) of a part along the bar; empty for None.
    struct Span {
        int begin;
        int end;
        bool Contains(int along) const { return along >= begin && along < end; }
    };
    Span PartSpan(ScrollBarPart part) const;

    // The part that holds the coordinate along the bar; None outside the bar.
    ScrollBarPart HitTest(int along) const;

    // The position a thumb drag reaches: start + movement * (range - page) / (track - thumb), or the
    // start when the thumb fills the track; limited to minimum .. maximum - minimum - page + 1.
    int DragPosition(int startPosition, int movement) const;

private:
    int length_;
    int arrow_;
    int track_;
    int thumb_;
    int offset_;
    ScrollBarRange range_;
};

} // namespace corvalith
