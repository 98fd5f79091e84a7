#include "pages/win/CDMarker.h"
#include "pages/win/CDMarkerV.h"
#include "skin/win/SkinImages.h"
#include "win/framework/RecordingWindow.h"
#include "win/skin/SkinTestFiles.h"
#include "win/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace corvalith {
namespace {

constexpr UINT kSliderNotification = 0x2B15;

LPARAM At(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

TEST(MarkerSliderTest, OnlyTheReleasePostsTheFinalPositionOnce) {
    test::RecordingWindow page({kSliderNotification});
    ASSERT_TRUE(page.CreateTopLevel(RECT{100, 100, 400, 300}));
    // A lighting slider: 100, 20, 228, 28 in the page, range 1..6.
    CDMarker slider;
    ASSERT_TRUE(slider.Create(RECT{100, 20, 228, 28}, &page, 2037));
    slider.SetRange(1, 6);
    EXPECT_TRUE(slider.AcceptsMouse());

    slider.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(10, 4));
    EXPECT_TRUE(slider.Dragging());
    struct Move {
        int x;
        int position;
    };
    // 5 * x / 128 + 1, clamped.
    const Move moves[] = {{50, 2}, {103, 5}, {-40, 1}, {400, 6}, {26, 2}};
    for (const Move& move : moves) {
        slider.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(move.x, 4));
        EXPECT_EQ(slider.Position(), move.position) << move.x;
    }
    test::PumpMessages();
    EXPECT_TRUE(page.Of(kSliderNotification).empty());

    slider.SendMessage(WM_LBUTTONUP, 0, At(103, 4));
    EXPECT_FALSE(slider.Dragging());
    test::PumpMessages();
    const auto notes = page.Of(kSliderNotification);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].wParam, 5u);
    EXPECT_EQ(notes[0].lParam, 2037);
    EXPECT_EQ(slider.FillLength(), 128); // level 5 already draws a full track
}

TEST(MarkerSliderTest, VerticalSliderFollowsThePointerFromTheBottom) {
    test::RecordingWindow page({kSliderNotification});
    ASSERT_TRUE(page.CreateTopLevel(RECT{100, 100, 400, 400}));
    // The DPI page's first stage: 25, 3, 32, 173, range 1..180.
    CDMarkerV slider;
    ASSERT_TRUE(slider.Create(RECT{25, 3, 32, 173}, &page, 2027));
    slider.SetRange(1, 180);

    struct Step {
        UINT message;
        int y;
        int position;
    };
    const Step steps[] = {
        {WM_LBUTTONDOWN, 170, 0}, // a press alone moves nothing
        {WM_MOUSEMOVE, 85, 90},   // 179 * 85 / 170 + 1
        {WM_MOUSEMOVE, 300, 1},   // below the bottom
        {WM_MOUSEMOVE, -30, 180}, // above the top
        {WM_LBUTTONUP, -30, 180},
    };
    for (const Step& step : steps) {
        slider.SendMessage(step.message, step.message == WM_LBUTTONUP ? 0 : MK_LBUTTON, At(3, step.y));
        EXPECT_EQ(slider.Position(), step.position) << step.message << " at " << step.y;
    }
    test::PumpMessages();
    const auto notes = page.Of(kSliderNotification);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].wParam, 180u);
    EXPECT_EQ(notes[0].lParam, 2027);
    EXPECT_EQ(slider.FillLength(), 170);
}

TEST(MarkerSliderTest, OnlyTheReleaseOfAPressPostsAndALostCaptureOrFocusEndsADragSilently) {
    test::RecordingWindow page({kSliderNotification});
    ASSERT_TRUE(page.CreateTopLevel(RECT{100, 100, 400, 300}));
    // An axis slider of the main window: 208 pixels wide, range 0..6, position 6 * x / 208.
    CDMarker slider;
    ASSERT_TRUE(slider.Create(RECT{37, 202, 245, 211}, &page, 2046));
    slider.SetRange(0, 6);
    const auto posted = [&] {
        test::PumpMessages();
        return page.Of(kSliderNotification).size();
    };

    // A release without a press on the slider changes and posts nothing.
    slider.SendMessage(WM_LBUTTONUP, 0, At(104, 4));
    EXPECT_EQ(slider.Position(), 0);
    EXPECT_EQ(posted(), 0u);

    // A slider that does not accept the mouse ignores the press, so its release reports nothing either.
    slider.SetAcceptsMouse(false);
    slider.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(100, 4));
    EXPECT_FALSE(slider.Dragging());
    slider.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(200, 4));
    slider.SendMessage(WM_LBUTTONUP, 0, At(104, 4));
    EXPECT_EQ(slider.Position(), 0);
    EXPECT_EQ(posted(), 0u);

    // Another window takes the capture: the fill no longer follows the pointer and no release reports.
    slider.SetAcceptsMouse(true);
    slider.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(10, 4));
    slider.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(208, 4));
    EXPECT_EQ(slider.Position(), 6);
    slider.SendMessage(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(page.Hwnd()));
    EXPECT_FALSE(slider.Dragging());
    slider.SendMessage(WM_MOUSEMOVE, 0, At(0, 4));
    EXPECT_EQ(slider.Position(), 6);
    slider.SendMessage(WM_LBUTTONUP, 0, At(0, 4));
    EXPECT_EQ(slider.Position(), 6);
    EXPECT_EQ(posted(), 0u);

    // Losing the focus ends a drag the same way.
    slider.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(10, 4));
    slider.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(52, 4)); // 6 * 52 / 208 = 1
    slider.SendMessage(WM_KILLFOCUS, 0, 0);
    EXPECT_FALSE(slider.Dragging());
    slider.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(208, 4));
    EXPECT_EQ(slider.Position(), 1);
    EXPECT_EQ(posted(), 0u);

    // A double click: press, release, double-click message, release; only the first release posts.
    slider.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(104, 4));
    slider.SendMessage(WM_LBUTTONUP, 0, At(104, 4)); // 6 * 104 / 208 = 3
    slider.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, At(104, 4));
    slider.SendMessage(WM_LBUTTONUP, 0, At(104, 4));
    ASSERT_EQ(posted(), 1u);
    EXPECT_EQ(page.Of(kSliderNotification)[0].wParam, 3u);
    EXPECT_EQ(page.Of(kSliderNotification)[0].lParam, 2046);
}

TEST(MarkerSliderTest, PositionsSetFromOutsideFallBackOrClamp) {
    test::RecordingWindow page({kSliderNotification});
    ASSERT_TRUE(page.CreateTopLevel(RECT{100, 100, 400, 300}));
    CDMarker horizontal;
    CDMarkerV vertical;
    ASSERT_TRUE(horizontal.Create(RECT{100, 20, 228, 28}, &page, 2038));
    ASSERT_TRUE(vertical.Create(RECT{55, 3, 62, 173}, &page, 2028));
    horizontal.SetRange(1, 6);
    vertical.SetRange(1, 120);
    struct Case {
        CMarkerSlider* slider;
        int value;
        int position;
    };
    const Case cases[] = {
        {&horizontal, 0, 1},   {&horizontal, 4, 4}, {&horizontal, 7, 1},
        {&vertical, 200, 120}, {&vertical, 0, 1},   {&vertical, 64, 64},
    };
    for (const Case& c : cases) {
        c.slider->SetPosition(c.value);
        EXPECT_EQ(c.slider->Position(), c.position) << c.value;
    }
    test::PumpMessages();
    EXPECT_TRUE(page.Of(kSliderNotification).empty());
}

// An opaque PNG of width x height whose pixel at x, y is the colour colourAt gives.
bool WriteImage(const std::string& path, int width, int height,
                const std::function<COLORREF(int, int)>& colourAt) {
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF colour = colourAt(x, y);
            pixels.insert(pixels.end(), {GetBValue(colour), GetGValue(colour), GetRValue(colour)});
        }
    }
    return test::WritePng(path, width, height, false, pixels);
}

TEST(MarkerSliderTest, SkinImagesAreCutToTheSourceAtTheFirstPaintAndDecodedOnce) {
    test::TemporaryFolder folder;
    const SkinImages skins(folder.Path());
    // Track and fill of 16 x 12 pixels: blue tells the column and green the row on the track, red the
    // column and green the row on the fill.
    ASSERT_TRUE(
        WriteImage(folder.Path() + "track.png", 16, 12, [](int x, int y) { return RGB(0, 10 * y, 10 * x); }));
    ASSERT_TRUE(
        WriteImage(folder.Path() + "fill.png", 16, 12, [](int x, int y) { return RGB(10 * x, 10 * y, 0); }));
    test::RecordingWindow page({});
    ASSERT_TRUE(page.CreateTopLevel(RECT{100, 100, 400, 300}));

    struct Case {
        const char* name;
        bool vertical;
        RECT rect; // in the page
        RECT source;
        int minimum, maximum, position;
        int fill;
        // What the pixel at x, y of the slider must be.
        std::function<COLORREF(int, int)> expected;
    };
    const Case cases[] = {
        // 12 wide, range 1..6: 12 * (3 - 1) / 4 = 6 columns of fill from the left, all cut from x 2, y 1.
        {"horizontal",
         false,
         {10, 10, 22, 14},
         {2, 1, 14, 5},
         1,
         6,
         3,
         6,
         [](int x, int y) {
             return x < 6 ? RGB(10 * (x + 2), 10 * (y + 1), 0) : RGB(0, 10 * (y + 1), 10 * (x + 2));
         }},
        // 3 wide and 10 high, range 1..11: 10 * (6 - 1) / 9 = 5 rows of fill at the bottom, from the fill's
        // top row (source y 2).
        {"vertical",
         true,
         {40, 10, 43, 20},
         {4, 2, 7, 12},
         1,
         11,
         6,
         5,
         [](int x, int y) {
             return y >= 5 ? RGB(10 * (x + 4), 10 * (y - 5 + 2), 0) : RGB(0, 10 * (y + 2), 10 * (x + 4));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CMarkerSlider> slider;
        if (c.vertical) {
            slider = std::make_unique<CDMarkerV>();
        } else {
            slider = std::make_unique<CDMarker>();
        }
        ASSERT_TRUE(slider->Create(c.rect, &page, 2040));
        slider->SetRange(c.minimum, c.maximum);
        slider->SetSkinImages(skins, c.source, "\\track.png", "/fill.png");
        slider->SetPosition(c.position);
        EXPECT_EQ(slider->FillLength(), c.fill);

        const int width = c.rect.right - c.rect.left;
        const int height = c.rect.bottom - c.rect.top;
        test::PixelSurface surface(width, height);
        slider->Draw(surface.Dc(), RECT{0, 0, width, height});
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                EXPECT_EQ(surface.Pixel(x, y), c.expected(x, y)) << x << ", " << y;
            }
        }
    }
    EXPECT_EQ(skins.DecodeCount(), 2); // the two files, however many sliders use them
}

TEST(MarkerSliderTest, APaintDrawsOnlyItsUpdateRectangle) {
    test::RecordingWindow page({});
    ASSERT_TRUE(page.CreateTopLevel(RECT{100, 100, 400, 300}));
    CDMarker slider;
    ASSERT_TRUE(slider.Create(RECT{10, 10, 30, 14}, &page, 2041));
    // A white track and fill.
    const HDC screen = ::GetDC(nullptr);
    const HBITMAP white = ::CreateCompatibleBitmap(screen, 20, 4);
    ::ReleaseDC(nullptr, screen);
    {
        const HDC dc = ::CreateCompatibleDC(nullptr);
        const HGDIOBJ previous = ::SelectObject(dc, white);
        const RECT all{0, 0, 20, 4};
        ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::SelectObject(dc, previous);
        ::DeleteDC(dc);
    }
    slider.SetImages(RECT{0, 0, 20, 4}, white, white);
    ::DeleteObject(white);

    test::PixelSurface surface(20, 4);
    surface.Fill(RGB(1, 2, 3));
    slider.Draw(surface.Dc(), RECT{5, 1, 9, 3});
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool inside = x >= 5 && x < 9 && y >= 1 && y < 3;
            EXPECT_EQ(surface.Pixel(x, y), inside ? RGB(255, 255, 255) : RGB(1, 2, 3)) << x << ", " << y;
        }
    }
}

} // namespace
} // namespace corvalith
