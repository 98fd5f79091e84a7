#include "skin/ScrollBarGeometry.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

using Part = ScrollBarPart;

TEST(ScrollBarGeometryTest, ArrowsTrackAndThumbFollowLengthRangeAndPage) {
    struct Case {
        const char* name;
        int length;
        int cell;
        ScrollBarRange range;
        int position;
        int arrow, track, thumb, offset;
    };
    const Case cases[] = {
        // The panel: 561 high, range 0..1099, page 561, at 100.
        // thumb = 535 * 561 / 1100 = 272; offset = 100 * (535 - 272) / (1100 - 561) = 48.
        {"panel", 561, 13, {0, 1099, 561, 100}, 100, 13, 535, 272, 48},
        {"panel at the top", 561, 13, {0, 1099, 561, 0}, 0, 13, 535, 272, 0},
        {"panel at the end", 561, 13, {0, 1099, 561, 539}, 539, 13, 535, 272, 263},
        // Nothing to scroll: no thumb, the empty track fills the bar between the arrows.
        {"page as large as the range", 100, 13, {0, 99, 100, 0}, 0, 13, 74, 0, 37},
        {"page larger than the range", 100, 13, {0, 9, 50, 0}, 0, 13, 74, 0, 37},
        // Shorter than two arrows: each arrow takes half, there is no track.
        {"bar shorter than two arrows", 20, 13, {0, 99, 10, 5}, 5, 10, 0, 0, 0},
        {"odd short bar", 9, 13, {0, 99, 10, 5}, 5, 4, 0, 0, 0},
        // 200 * 50 / 1000 = 10 is raised to 12; offset = 950 * (200 - 12) / 950.
        {"short thumb grows to 12", 226, 13, {0, 999, 50, 950}, 950, 13, 200, 12, 188},
        {"short thumb at 475", 226, 13, {0, 999, 50, 475}, 475, 13, 200, 12, 94},
        // A track of 11 pixels has no thumb; the offset still spreads the position over it.
        {"track of 11", 37, 13, {0, 99, 10, 45}, 45, 13, 11, 0, 5},
        {"track of 12 gets a thumb", 38, 13, {0, 99, 10, 0}, 0, 13, 12, 12, 0},
        // The dragged track position replaces the stored position.
        {"track position", 561, 13, {0, 1099, 561, 0}, 539, 13, 535, 272, 263},
        // A position beyond the range keeps the thumb on the track.
        {"position beyond the range", 561, 13, {0, 1099, 561, 5000}, 5000, 13, 535, 272, 263},
        {"negative position", 561, 13, {0, 1099, 561, -7}, -7, 13, 535, 272, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ScrollBarGeometry bar(c.length, c.cell, c.range, c.position);
        EXPECT_EQ(bar.ArrowLength(), c.arrow);
        EXPECT_EQ(bar.TrackLength(), c.track);
        EXPECT_EQ(bar.ThumbLength(), c.thumb);
        EXPECT_EQ(bar.ThumbOffset(), c.offset);
        EXPECT_EQ(bar.ThumbStart(), c.arrow + c.offset);
    }
}

TEST(ScrollBarGeometryTest, HitTestsEachPartUpToItsEdges) {
    // The panel bar above: line up [0, 13), page up [13, 61), thumb [61, 333), page down [333, 548),
    // line down [548, 561).
    const ScrollBarGeometry panel(561, 13, {0, 1099, 561, 100}, 100);
    // Nothing to scroll: line up [0, 13), page up [13, 50), no thumb, page down [50, 87), line down [87,
    // 100).
    const ScrollBarGeometry full(100, 13, {0, 99, 100, 0}, 0);
    // Shorter than two arrows: line up [0, 10), line down [10, 20).
    const ScrollBarGeometry tiny(20, 13, {0, 99, 10, 5}, 5);
    struct Case {
        const ScrollBarGeometry* bar;
        int along;
        Part part;
    };
    const Case cases[] = {
        {&panel, -1, Part::None},      {&panel, 0, Part::LineUp},     {&panel, 12, Part::LineUp},
        {&panel, 13, Part::PageUp},    {&panel, 60, Part::PageUp},    {&panel, 61, Part::Thumb},
        {&panel, 332, Part::Thumb},    {&panel, 333, Part::PageDown}, {&panel, 547, Part::PageDown},
        {&panel, 548, Part::LineDown}, {&panel, 560, Part::LineDown}, {&panel, 561, Part::None},
        {&full, 13, Part::PageUp},     {&full, 49, Part::PageUp},     {&full, 50, Part::PageDown},
        {&full, 86, Part::PageDown},   {&full, 87, Part::LineDown},   {&tiny, 9, Part::LineUp},
        {&tiny, 10, Part::LineDown},   {&tiny, 19, Part::LineDown},   {&tiny, 20, Part::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.along);
        EXPECT_EQ(c.bar->HitTest(c.along), c.part);
    }
}

TEST(ScrollBarGeometryTest, ThumbDragScalesPointerMovementAndStaysInRange) {
    struct Case {
        ScrollBarRange range;
        int length;
        int start;
        int movement;
        int expected;
    };
    const Case cases[] = {
        // (535 - 272) pixels of track room cover 539 positions: 10 pixels = 10 * 539 / 263 = 20.
        {{0, 1099, 561, 100}, 561, 100, 10, 120},
        {{0, 1099, 561, 100}, 561, 100, -10, 80},
        {{0, 1099, 561, 100}, 561, 100, 0, 100},
        {{0, 1099, 561, 100}, 561, 100, -1000, 0},
        // The end is maximum - minimum - page + 1 = 539.
        {{0, 1099, 561, 100}, 561, 100, 1000, 539},
        // No room for the thumb to move (a bar without track): the position stays.
        {{0, 99, 10, 5}, 20, 5, 30, 5},
        // Nothing to scroll: the only position is the minimum.
        {{0, 99, 100, 0}, 100, 0, 40, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.movement);
        const ScrollBarGeometry bar(c.length, 13, c.range, c.start);
        EXPECT_EQ(bar.DragPosition(c.start, c.movement), c.expected);
    }
}

} // namespace
} // namespace corvalith
