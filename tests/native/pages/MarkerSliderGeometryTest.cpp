#include "pages/MarkerSliderGeometry.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

using Geometry = MarkerSliderGeometry;
using Orientation = Geometry::Orientation;
using Phase = Geometry::Phase;

TEST(MarkerSliderGeometryTest, PositionFromAPointInTheSlider) {
    // The DPI page's first stage slider: 25, 3, 32, 173 (7 x 170), range 1..180.
    const Rect dpi{25, 3, 32, 173};
    // A lighting slider: 100, 20, 228, 28 (128 x 8), range 1..6.
    const Rect lighting{100, 20, 228, 28};
    // An axis slider of the main window: 208 x 9, range 1..11.
    const Rect axis{37, 202, 245, 211};
    struct Case {
        const char* name;
        Orientation orientation;
        Phase phase;
        Rect rect;
        Geometry::Range range;
        int x, y;
        int expected;
    };
    const Case cases[] = {
        {"top edge", Orientation::Vertical, Phase::Release, dpi, {1, 180}, 3, 0, 180},
        {"bottom edge", Orientation::Vertical, Phase::Release, dpi, {1, 180}, 3, 170, 1},
        {"above the top", Orientation::Vertical, Phase::Release, dpi, {1, 180}, 3, -40, 180},
        {"below the bottom", Orientation::Vertical, Phase::Release, dpi, {1, 180}, 3, 260, 1},
        // 179 * (170 - 85) / 170 = 89 (89.5 truncated), plus 1.
        {"middle", Orientation::Vertical, Phase::Release, dpi, {1, 180}, 3, 85, 90},
        {"dragging above the top", Orientation::Vertical, Phase::Dragging, dpi, {1, 180}, 3, -40, 180},
        {"dragging below the bottom", Orientation::Vertical, Phase::Dragging, dpi, {1, 180}, 3, 260, 1},
        // 119 * (170 - 1) / 170 = 118, plus 1.
        {"one pixel down, step mode 1", Orientation::Vertical, Phase::Dragging, dpi, {1, 120}, 0, 1, 119},
        // 5 * 103 / 128 = 4, plus 1.
        {"103 from the left", Orientation::Horizontal, Phase::Release, lighting, {1, 6}, 103, 4, 5},
        {"right end", Orientation::Horizontal, Phase::Release, lighting, {1, 6}, 128, 4, 6},
        {"beyond the right end", Orientation::Horizontal, Phase::Release, lighting, {1, 6}, 500, 4, 6},
        {"left of the slider", Orientation::Horizontal, Phase::Release, lighting, {1, 6}, -30, 4, 1},
        {"last pixel of the first step",
         Orientation::Horizontal,
         Phase::Dragging,
         lighting,
         {1, 6},
         25,
         4,
         1},
        {"first pixel of the second step",
         Orientation::Horizontal,
         Phase::Dragging,
         lighting,
         {1, 6},
         26,
         4,
         2},
        // 10 * 208 / 208 = 10, plus 1; the right half of the last step.
        {"axis right end", Orientation::Horizontal, Phase::Release, axis, {1, 11}, 208, 0, 11},
        // 6 * 104 / 208 = 3.
        {"lift-off middle", Orientation::Horizontal, Phase::Release, axis, {0, 6}, 104, 0, 3},
        // An empty rectangle (a slider not laid out yet) stays at its minimum instead of dividing by 0.
        {"no width", Orientation::Horizontal, Phase::Release, {0, 0, 0, 0}, {1, 11}, 5, 5, 1},
        {"no height", Orientation::Vertical, Phase::Release, {0, 0, 0, 0}, {1, 120}, 5, 5, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Geometry::PositionFromPoint(c.orientation, c.phase, c.rect, c.range, c.x, c.y), c.expected);
    }
}

TEST(MarkerSliderGeometryTest, FillIsFullOneStepBeforeTheMaximum) {
    struct Case {
        int extent;
        Geometry::Range range;
        int position;
        int fill;
    };
    const Case cases[] = {
        {128, {1, 6}, 1, 0},
        {128, {1, 6}, 2, 32},
        {128, {1, 6}, 3, 64},
        {128, {1, 6}, 5, 128},
        {128, {1, 6}, 6, 128},   // both draw a full track
        {170, {1, 180}, 90, 85}, // 170 * 89 / 178
        {170, {1, 180}, 179, 170},
        {170, {1, 180}, 180, 170},
        {208, {1, 11}, 5, 92}, // 208 * 4 / 9 = 92.4
        {208, {0, 6}, 3, 124}, // 208 * 3 / 5 = 124.8
        {208, {0, 10}, 10, 208},
        {208, {0, 10}, 0, 0},
        {128, {1, 6}, 0, 0}, // below the minimum draws nothing rather than a negative width
        {0, {1, 6}, 6, 0},
        // A range narrower than 2 steps has no divisor: the track shows full.
        {128, {3, 4}, 3, 128},
        {128, {5, 5}, 5, 128},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.extent << " " << c.range.minimum << ".." << c.range.maximum
                                        << " at " << c.position);
        EXPECT_EQ(Geometry::FillLength(c.extent, c.position, c.range), c.fill);
    }
}

TEST(MarkerSliderGeometryTest, SetPositionFallsBackOrClampsByOrientation) {
    struct Case {
        Orientation orientation;
        int value;
        Geometry::Range range;
        int expected;
    };
    const Case cases[] = {
        {Orientation::Horizontal, 0, {1, 6}, 1},  {Orientation::Horizontal, 7, {1, 6}, 1},
        {Orientation::Horizontal, 6, {1, 6}, 6},  {Orientation::Horizontal, 12, {1, 11}, 1},
        {Orientation::Horizontal, 3, {0, 6}, 3},  {Orientation::Vertical, 200, {1, 120}, 120},
        {Orientation::Vertical, 0, {1, 120}, 1},  {Orientation::Vertical, 145, {1, 180}, 145},
        {Orientation::Vertical, -5, {1, 180}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Geometry::SetPosition(c.orientation, c.value, c.range), c.expected);
    }
}

} // namespace
} // namespace corvalith
