#include "skin/win/CSkinScrollWnd.h"
#include "win/framework/RecordingWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvalith {
namespace {

LPARAM At(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

// A scrollable child that handles its own scroll messages, as the advanced panel does: lines move by
// one, pages by the page, thumb codes go to the given position.
class ScrolledWindow : public CWnd {
public:
    struct Scroll {
        UINT code;
        UINT position;
        LPARAM bar;
    };
    std::vector<Scroll> scrolls;

    // Like the advanced panel, the bar is kept (disabled) when nothing can scroll.
    void SetRange(int maximum, int page, int position, bool redraw) {
        SCROLLINFO info{sizeof info,
                        SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL,
                        0,
                        maximum,
                        static_cast<UINT>(page),
                        position,
                        0};
        ::SetScrollInfo(hwnd_, SB_VERT, &info, redraw);
    }
    int Position() const { return ::GetScrollPos(hwnd_, SB_VERT); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_VSCROLL) {
            scrolls.push_back({LOWORD(wParam), HIWORD(wParam), lParam});
            SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
            ::GetScrollInfo(hwnd_, SB_VERT, &info);
            int position = info.nPos;
            switch (LOWORD(wParam)) {
            case SB_LINEUP:
                --position;
                break;
            case SB_LINEDOWN:
                ++position;
                break;
            case SB_PAGEUP:
                position -= static_cast<int>(info.nPage);
                break;
            case SB_PAGEDOWN:
                position += static_cast<int>(info.nPage);
                break;
            case SB_THUMBTRACK:
            case SB_THUMBPOSITION:
                position = HIWORD(wParam);
                break;
            default:
                break;
            }
            info.fMask = SIF_POS;
            info.nPos = position;
            ::SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
            return 0;
        }
        if (message == WM_ERASEBKGND) {
            RECT client = GetClientRect();
            ::FillRect(reinterpret_cast<HDC>(wParam), &client,
                       static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
            return TRUE;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class SkinScrollTest : public testing::Test {
protected:
    void SetUp() override {
        skin_ = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(129));
        ASSERT_NE(skin_, nullptr);
        ASSERT_TRUE(parent_.CreateTopLevel(RECT{100, 100, 500, 500}));
        ASSERT_TRUE(scrolled_.CreateEx(0, nullptr, L"panel", WS_CHILD | WS_VISIBLE | WS_VSCROLL,
                                       RECT{20, 30, 280, 330}, &parent_, 130));
        scrolled_.SetRange(99, 10, 0, true);
    }
    void TearDown() override {
        scrolled_.DestroyWindow();
        ::DeleteObject(skin_);
    }

    HBITMAP skin_ = nullptr;
    test::RecordingWindow parent_{{WM_COMMAND, WM_CTLCOLOREDIT}};
    ScrolledWindow scrolled_;
};

TEST_F(SkinScrollTest, TheFrameTakesTheWindowsPlaceAndClipsItsOwnBarAway) {
    CSkinScrollWnd* frame = CSkinScrollWnd::AttachFrame(scrolled_.Hwnd(), skin_);
    ASSERT_NE(frame, nullptr);
    test::PumpMessages(); // the relayout message

    EXPECT_EQ(CSkinScrollWnd::FrameOf(scrolled_.Hwnd()), frame);
    EXPECT_EQ(frame->GetParentHwnd(), parent_.Hwnd());
    EXPECT_EQ(frame->GetDlgCtrlID(), 130);
    EXPECT_EQ(frame->GetWindowText(), L"SkinScrollBarFrame");
    const RECT frameRect = frame->GetRectInParent();
    EXPECT_EQ(frameRect.left, 20);
    EXPECT_EQ(frameRect.top, 30);
    EXPECT_EQ(frameRect.right, 280);
    EXPECT_EQ(frameRect.bottom, 330);

    const HWND clip = ::GetParent(scrolled_.Hwnd());
    EXPECT_EQ(clip, frame->ClipWindow());
    wchar_t title[16] = {};
    ::GetWindowTextW(clip, title, 16);
    EXPECT_STREQ(title, L"LIMIT");
    EXPECT_EQ(::GetDlgCtrlID(clip), 200);

    // 13-pixel cells: the skinned bar stands along the right edge, the clip window beside it, and the
    // framed window's client area is exactly as wide as the clip window.
    CSkinScrollBar& bar = frame->VerticalBar();
    EXPECT_TRUE(bar.IsWindowVisible());
    EXPECT_FALSE(frame->HorizontalBar().IsWindowVisible());
    EXPECT_EQ(bar.GetDlgCtrlID(), 101);
    const RECT barRect = bar.GetRectInParent();
    EXPECT_EQ(barRect.left, 260 - 13);
    EXPECT_EQ(barRect.right, 260);
    EXPECT_EQ(barRect.bottom, 300);
    RECT clipRect{};
    ::GetClientRect(clip, &clipRect);
    EXPECT_EQ(clipRect.right, 247);
    EXPECT_EQ(scrolled_.GetClientRect().right, 247);
    EXPECT_EQ(bar.Range(), (ScrollBarRange{0, 99, 10, 0}));
    EXPECT_EQ(frame->CornerMode(), CSkinScrollWnd::Corner::None);
}

TEST_F(SkinScrollTest, ArrowPressesAreForwardedAndTheBarReadsTheResultBack) {
    CSkinScrollWnd* frame = CSkinScrollWnd::AttachFrame(scrolled_.Hwnd(), skin_);
    ASSERT_NE(frame, nullptr);
    test::PumpMessages();
    CSkinScrollBar& bar = frame->VerticalBar();

    // The down arrow is the last 13 pixels of the 300-pixel bar.
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(6, 295));
    EXPECT_EQ(bar.PressedPart(), ScrollBarPart::LineDown);
    bar.SendMessage(WM_TIMER, CSkinScrollBar::kRepeatTimer); // 500 ms: repeats and switches to 100 ms
    bar.SendMessage(WM_TIMER, CSkinScrollBar::kRepeatTimer); // 600 ms
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(6, 100));   // off the arrow: paused
    bar.SendMessage(WM_TIMER, CSkinScrollBar::kRepeatTimer);
    bar.SendMessage(WM_LBUTTONUP, 0, At(6, 100));

    ASSERT_EQ(scrolled_.scrolls.size(), 3u);
    for (const auto& scroll : scrolled_.scrolls) {
        EXPECT_EQ(scroll.code, static_cast<UINT>(SB_LINEDOWN));
        EXPECT_EQ(scroll.bar, 0); // forwarded as if from the window's own bar
    }
    EXPECT_EQ(scrolled_.Position(), 3);
    EXPECT_EQ(bar.Range().position, 3);
    EXPECT_EQ(bar.PressedPart(), ScrollBarPart::None);

    // The track below the thumb pages down by the window's page.
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(6, 250));
    bar.SendMessage(WM_LBUTTONUP, 0, At(6, 250));
    ASSERT_EQ(scrolled_.scrolls.size(), 4u);
    EXPECT_EQ(scrolled_.scrolls[3].code, static_cast<UINT>(SB_PAGEDOWN));
    EXPECT_EQ(bar.Range().position, 13);
}

TEST_F(SkinScrollTest, ThumbDragTracksOnlyChangesAndEndsWithOneThumbPosition) {
    CSkinScrollWnd* frame = CSkinScrollWnd::AttachFrame(scrolled_.Hwnd(), skin_);
    ASSERT_NE(frame, nullptr);
    test::PumpMessages();
    CSkinScrollBar& bar = frame->VerticalBar();
    // Track 300 - 26 = 274, thumb 274 * 10 / 100 = 27, room 247 for 90 positions; the thumb starts at 13.
    const ScrollBarGeometry geometry = bar.Geometry();
    ASSERT_EQ(geometry.ThumbStart(), 13);
    ASSERT_EQ(geometry.ThumbLength(), 27);

    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(6, 20));
    EXPECT_TRUE(bar.Dragging());
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(6, 21));  // 1 * 90 / 247 = 0: no change, nothing sent
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(6, 40));  // 20 * 90 / 247 = 7
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(6, 41));  // 21 * 90 / 247 = 7 again: nothing sent
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(6, 500)); // limited to 99 - 10 + 1 = 90
    bar.SendMessage(WM_LBUTTONUP, 0, At(6, 500));

    ASSERT_EQ(scrolled_.scrolls.size(), 3u);
    EXPECT_EQ(scrolled_.scrolls[0].code, static_cast<UINT>(SB_THUMBTRACK));
    EXPECT_EQ(scrolled_.scrolls[0].position, 7u);
    EXPECT_EQ(scrolled_.scrolls[1].code, static_cast<UINT>(SB_THUMBTRACK));
    EXPECT_EQ(scrolled_.scrolls[1].position, 90u);
    EXPECT_EQ(scrolled_.scrolls[2].code, static_cast<UINT>(SB_THUMBPOSITION));
    EXPECT_EQ(scrolled_.scrolls[2].position, 90u);
    EXPECT_FALSE(bar.Dragging());
    EXPECT_EQ(bar.TrackPosition(), -1);
    EXPECT_EQ(bar.Range().position, 90);
}

TEST_F(SkinScrollTest, TheBarFollowsRangeChangesOnEraseAndOnTheTimer) {
    CSkinScrollWnd* frame = CSkinScrollWnd::AttachFrame(scrolled_.Hwnd(), skin_);
    ASSERT_NE(frame, nullptr);
    test::PumpMessages();
    CSkinScrollBar& bar = frame->VerticalBar();

    // A change without repaint reaches the bar with the next timer tick.
    scrolled_.SetRange(199, 20, 5, false);
    EXPECT_EQ(bar.Range(), (ScrollBarRange{0, 99, 10, 0}));
    frame->SendMessage(WM_TIMER, CSkinScrollWnd::kSyncTimer);
    EXPECT_EQ(bar.Range(), (ScrollBarRange{0, 199, 20, 5}));

    // A change followed by a background erase reaches it at once. A page larger than the range is cut
    // to the range (31 for 0..30) and, being larger than the maximum, disables the bar.
    scrolled_.SetRange(30, 40, 0, false);
    const HDC dc = ::GetDC(scrolled_.Hwnd());
    scrolled_.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
    EXPECT_EQ(bar.Range(), (ScrollBarRange{0, 30, 31, 0}));
    EXPECT_FALSE(bar.IsWindowEnabled());
    scrolled_.SetRange(99, 10, 0, false);
    scrolled_.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
    EXPECT_TRUE(bar.IsWindowEnabled());
    ::ReleaseDC(scrolled_.Hwnd(), dc);
}

TEST_F(SkinScrollTest, NotificationsOfTheFramedWindowStillReachItsFormerParent) {
    CSkinScrollWnd* frame = CSkinScrollWnd::AttachFrame(scrolled_.Hwnd(), skin_);
    ASSERT_NE(frame, nullptr);
    const HWND parent = scrolled_.GetParentHwnd();
    EXPECT_EQ(parent, frame->ClipWindow());
    ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(130, 7), reinterpret_cast<LPARAM>(scrolled_.Hwnd()));
    ::SendMessageW(parent, WM_CTLCOLOREDIT, 0, reinterpret_cast<LPARAM>(scrolled_.Hwnd()));
    ::SendMessageW(parent, WM_TIMER, 99, 0); // not a notification: the clip window keeps it
    ASSERT_EQ(parent_.Of(WM_COMMAND).size(), 1u);
    EXPECT_EQ(parent_.Of(WM_COMMAND)[0].wParam, MAKEWPARAM(130, 7));
    EXPECT_EQ(parent_.Of(WM_CTLCOLOREDIT).size(), 1u);
}

TEST_F(SkinScrollTest, DestroyingTheFramedWindowTakesTheFrameWithIt) {
    CSkinScrollWnd* frame = CSkinScrollWnd::AttachFrame(scrolled_.Hwnd(), skin_);
    ASSERT_NE(frame, nullptr);
    const HWND frameWindow = frame->Hwnd();
    EXPECT_EQ(CSkinScrollWnd::AttachFrame(scrolled_.Hwnd(), skin_), nullptr); // framed once only
    scrolled_.DestroyWindow();
    EXPECT_FALSE(::IsWindow(frameWindow));
    EXPECT_EQ(scrolled_.Hwnd(), nullptr);
}

TEST_F(SkinScrollTest, ScrollInformationSetOnABarIsWhatItGivesBack) {
    CSkinScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, RECT{300, 10, 313, 210}, &parent_, 7));
    bar.SetBitmap(skin_);
    EXPECT_EQ(bar.CellWidth(), 13);
    EXPECT_EQ(bar.CellHeight(), 16);

    SCROLLINFO set{sizeof set, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 562, 561, 1, 0};
    bar.SetScrollInfo(set);
    SCROLLINFO got{};
    ASSERT_TRUE(bar.GetScrollInfo(&got, SIF_ALL));
    EXPECT_EQ(got.nMin, 0);
    EXPECT_EQ(got.nMax, 562);
    EXPECT_EQ(got.nPage, 561u);
    EXPECT_EQ(got.nPos, 1);
    EXPECT_EQ(got.nTrackPos, 1);
    EXPECT_EQ(bar.SetScrollPos(4), 1);
    EXPECT_EQ(bar.GetScrollPos(), 4);
    // Double clicks do nothing at all.
    bar.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, At(6, 195));
    EXPECT_EQ(bar.PressedPart(), ScrollBarPart::None);
}

// The up arrow's square at the bar's top, in the monitor's pixels, is the skin's top-left square pixel for
// pixel: 13 x 13 of the 1x skin at 100 %, 26 x 26 of the skin of twice the pixels at 200 %.
TEST_F(SkinScrollTest, AboveOneHundredPercentTheBarDrawsFromTheSkinOfTwiceThePixels) {
    const HBITMAP sharp = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(130));
    ASSERT_NE(sharp, nullptr);
    struct Case {
        int dpi;
        HBITMAP drawnFrom;
        int square;
    };
    for (const Case& c : {Case{96, skin_, 13}, Case{192, sharp, 26}}) {
        parent_.SetScale(DisplayScale(c.dpi));
        CSkinScrollBar bar;
        ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, RECT{150, 10, 163, 110}, &parent_, 7));
        bar.SetBitmap(skin_, sharp);
        ::RedrawWindow(bar.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const HDC window = ::GetDC(bar.Hwnd());
        const HDC source = ::CreateCompatibleDC(window);
        const HGDIOBJ previous = ::SelectObject(source, c.drawnFrom);
        int different = 0;
        for (int y = 0; y < c.square; ++y) {
            for (int x = 0; x < c.square; ++x) {
                different += ::GetPixel(window, x, y) != ::GetPixel(source, x, y) ? 1 : 0;
            }
        }
        ::SelectObject(source, previous);
        ::DeleteDC(source);
        ::ReleaseDC(bar.Hwnd(), window);
        EXPECT_EQ(different, 0) << c.dpi;
    }
    ::DeleteObject(sharp);
}

} // namespace
} // namespace corvalith
