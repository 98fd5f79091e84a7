#include "platform/DisplayScale.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

// Logical pixels to device pixels and back at the scales Windows offers, worked out by hand: an edge
// lands on x * dpi / 96 rounded half up, and a device pixel belongs to the last logical edge at or left
// of it.
TEST(DisplayScale, EdgesRoundHalfUpAndDevicePixelsFindTheirLogicalPixel) {
    struct Case {
        int dpi;
        int logical;
        int device; // ToDevice(logical)
        int back;   // ToLogical(device + 1): the next device pixel's logical pixel
    };
    const Case cases[] = {
        {96, 7, 7, 8},   {96, -3, -3, -2},  {120, 1, 1, 1},   {120, 2, 3, 3},
        {120, 3, 4, 4},                                                          // 1.25, 2.5, 3.75
        {144, 1, 2, 2},  {144, 3, 5, 4},    {144, -1, -1, 0}, {144, -3, -4, -2}, // 1.5, 4.5, -1.5, -4.5
        {192, 5, 10, 5}, {192, -1, -2, -1},
    };
    for (const Case& c : cases) {
        const DisplayScale scale(c.dpi);
        EXPECT_EQ(scale.ToDevice(c.logical), c.device) << c.dpi << " dpi, " << c.logical;
        EXPECT_EQ(scale.ToLogical(c.device), c.logical) << c.dpi << " dpi, device " << c.device;
        EXPECT_EQ(scale.ToLogical(c.device + 1), c.back) << c.dpi << " dpi, device " << c.device + 1;
    }
    EXPECT_EQ(DisplayScale(0).Dpi(), 96);
    EXPECT_EQ(DisplayScale(1000).Dpi(), 480);
    EXPECT_EQ(DisplayScale(120).Percent(), 125);
    EXPECT_EQ(DisplayScale(168).Percent(), 175);
    EXPECT_TRUE(DisplayScale().IsIdentity());
}

TEST(DisplayScale, RectanglesThatTouchKeepTouchingAndCoverTheirDevicePixels) {
    const DisplayScale scale(144);
    EXPECT_EQ(scale.ToDevice(Rect{0, 0, 1, 1}), (Rect{0, 0, 2, 2}));
    EXPECT_EQ(scale.ToDevice(Rect{1, 0, 2, 1}), (Rect{2, 0, 3, 2}));
    // Device pixels 2..4 lie in logical pixels 1 and 2.
    EXPECT_EQ(scale.ToLogical(Rect{2, 2, 5, 5}), (Rect{1, 1, 3, 3}));
    // Device pixel 1 is still logical pixel 0.
    EXPECT_EQ(scale.ToLogical(Rect{1, 1, 2, 2}), (Rect{0, 0, 1, 1}));
    EXPECT_EQ(scale.ToLogical(Rect{4, 4, 4, 9}), (Rect{2, 2, 2, 2}));
}

} // namespace
} // namespace corvalith
