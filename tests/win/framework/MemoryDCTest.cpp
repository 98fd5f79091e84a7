#include "framework/CMemoryDC.h"
#include "win/support/PixelSurface.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

void FillAll(HDC dc, int width, int height, COLORREF colour) {
    const HBRUSH brush = ::CreateSolidBrush(colour);
    const RECT all{0, 0, width, height};
    ::FillRect(dc, &all, brush);
    ::DeleteObject(brush);
}

bool Inside(const RECT& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

TEST(MemoryDCTest, AClippedSurfaceDrawsAndCopiesOnlyItsArea) {
    struct Case {
        const char* name;
        bool fromPaint; // made for a paint whose update rectangle is clip
        bool clipped;
        RECT clip;
        RECT area; // the part of the 10 x 8 surface that is drawn and copied
    };
    const Case cases[] = {
        {"not clipped", false, false, {}, {0, 0, 10, 8}},
        {"clipped inside", false, true, {2, 1, 6, 4}, {2, 1, 6, 4}},
        {"clipped beyond the top-left corner", false, true, {-3, -3, 3, 2}, {0, 0, 3, 2}},
        {"clipped beyond the bottom-right corner", false, true, {7, 5, 40, 40}, {7, 5, 10, 8}},
        {"clipped to nothing", false, true, {5, 5, 5, 9}, {5, 5, 5, 8}},
        {"clipped outside", false, true, {20, 20, 30, 30}, {10, 8, 10, 8}},
        {"a paint's update rectangle", true, true, {7, 3, 10, 8}, {7, 3, 10, 8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::PixelSurface screen(12, 10);
        screen.Fill(kGreen);
        PAINTSTRUCT paint{};
        paint.hdc = screen.Dc();
        paint.rcPaint = c.clip;
        CMemoryDC memory = c.fromPaint ? CMemoryDC(paint, 10, 8) : CMemoryDC(screen.Dc(), 10, 8);
        ASSERT_TRUE(memory.Valid());
        if (!c.fromPaint) {
            FillAll(memory, 10, 8, kRed);
            if (c.clipped) {
                memory.ClipTo(c.clip);
            }
        }
        EXPECT_EQ(memory.Area().left, c.area.left);
        EXPECT_EQ(memory.Area().top, c.area.top);
        EXPECT_EQ(memory.Area().right, c.area.right);
        EXPECT_EQ(memory.Area().bottom, c.area.bottom);
        FillAll(memory, 10, 8, kBlue);

        // Only the area reaches the screen, one pixel right of and below the surface's place.
        EXPECT_TRUE(memory.CopyTo(screen.Dc(), 1, 1));
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 12; ++x) {
                EXPECT_EQ(screen.Pixel(x, y), Inside(c.area, x - 1, y - 1) ? kBlue : kGreen)
                    << x << ", " << y;
            }
        }
        if (c.fromPaint) {
            continue;
        }
        // Only the area was drawn: the rest of the surface kept what it had before the clip.
        memory.ClipTo({0, 0, 10, 8});
        test::PixelSurface whole(10, 8);
        EXPECT_TRUE(memory.CopyTo(whole.Dc()));
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 10; ++x) {
                EXPECT_EQ(whole.Pixel(x, y), Inside(c.area, x, y) ? kBlue : kRed) << x << ", " << y;
            }
        }
    }
}

// Surfaces are lent in turn: each starts black as a new one would, whatever the one before it drew, kept
// its selections or clipped, and one made while another is in use is a surface of its own.
TEST(MemoryDCTest, EachSurfaceStartsBlackAndUnclippedWhateverTheOneBeforeLeft) {
    test::PixelSurface screen(12, 10);
    {
        CMemoryDC first(screen.Dc(), 12, 10);
        FillAll(first, 12, 10, kRed);
        first.ClipTo(RECT{0, 0, 2, 2});
        ::SelectObject(first, ::GetStockObject(BLACK_BRUSH));
        {
            CMemoryDC nested(screen.Dc(), 4, 4);
            EXPECT_NE(nested.Dc(), first.Dc());
        }
    }
    CMemoryDC second(screen.Dc(), 12, 10);
    ASSERT_TRUE(second.Valid());
    EXPECT_EQ(::GetCurrentObject(second, OBJ_BRUSH), ::GetStockObject(WHITE_BRUSH)); // a new DC's brush
    ASSERT_TRUE(second.CopyTo(screen.Dc()));
    for (const POINT at : {POINT{0, 0}, POINT{5, 5}, POINT{11, 9}}) {
        EXPECT_EQ(screen.Pixel(at.x, at.y), RGB(0, 0, 0)) << at.x << ", " << at.y;
    }
}

} // namespace
} // namespace corvalith
