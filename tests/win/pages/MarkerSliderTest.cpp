#include "pages/win/CDMarker.h"
#include "pages/win/CDMarkerV.h"
#include "win/framework/RecordingWindow.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace corvalith
