#include "skin/win/CBitmapBtn.h"
#include "win/framework/RecordingWindow.h"
#include "win/skin/SkinTestFiles.h"

#include <gtest/gtest.h>

#include <array>

namespace corvalith {
namespace {

using Image = ImageButtonLook::Image;

// A bitmap of one colour.
HBITMAP Solid(int width, int height, COLORREF colour) {
    const HDC screen = ::GetDC(nullptr);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    const HDC dc = ::CreateCompatibleDC(screen);
    const HGDIOBJ previous = ::SelectObject(dc, bitmap);
    const HBRUSH brush = ::CreateSolidBrush(colour);
    RECT all{0, 0, width, height};
    ::FillRect(dc, &all, brush);
    ::DeleteObject(brush);
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}

// The colour the button draws at x, y when asked to draw in the given item state.
COLORREF DrawnColour(CBitmapBtn& button, UINT itemState, int x = 3, int y = 3) {
    test::TestSurface surface(60, 30, 0, 0, 0);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.hwndItem = button.Hwnd();
    item.itemState = itemState;
    item.hDC = surface.Dc();
    item.rcItem = button.GetClientRect();
    ::SendMessageW(button.GetParentHwnd(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    const std::vector<int> bgr = surface.Pixel(x, y);
    return RGB(bgr[2], bgr[1], bgr[0]);
}

class BitmapButtonTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent_.CreateTopLevel(RECT{200, 200, 500, 300}));
        for (std::size_t i = 0; i < colours_.size(); ++i) {
            sources_[i] = Solid(60, 30, colours_[i]);
        }
    }
    void TearDown() override {
        for (HBITMAP source : sources_) {
            ::DeleteObject(source);
        }
    }
    void Give(CBitmapBtn& button) {
        button.SetImages(RECT{0, 0, 50, 30}, sources_[0], sources_[1], sources_[2], sources_[3]);
    }

    test::RecordingWindow parent_{{WM_MOUSEMOVE, WM_LBUTTONUP}};
    // Normal, hover, pressed, disabled.
    const std::array<COLORREF, 4> colours_{RGB(10, 20, 30), RGB(200, 40, 40), RGB(90, 10, 10),
                                           RGB(70, 70, 70)};
    std::array<HBITMAP, 4> sources_{};
};

TEST_F(BitmapButtonTest, EachStateDrawsItsImage) {
    CBitmapBtn button;
    ASSERT_TRUE(button.Create(RECT{10, 10, 60, 40}, &parent_));
    Give(button);
    EXPECT_EQ(button.GetStyle() & (WS_BORDER | WS_TABSTOP), 0u);

    struct Case {
        const char* name;
        bool checked;
        bool hover;
        bool enabled;
        UINT itemState;
        COLORREF colour;
    };
    const Case cases[] = {
        {"normal", false, false, true, 0, colours_[0]},
        {"pressed", false, false, true, ODS_SELECTED, colours_[2]},
        {"checked, pointer elsewhere", true, false, true, 0, colours_[2]},
        {"disabled", false, false, false, ODS_DISABLED, colours_[3]},
        {"disabled while checked", true, false, false, ODS_DISABLED, colours_[3]},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        button.SetChecked(c.checked);
        button.EnableWindow(c.enabled);
        EXPECT_EQ(DrawnColour(button, c.itemState), c.colour);
    }
    button.EnableWindow(true);
    button.SetChecked(false);
    EXPECT_EQ(button.CurrentImage(), Image::Normal);
    button.SetChecked(true);
    EXPECT_EQ(button.CurrentImage(), Image::Pressed);
    button.EnableWindow(false);
    EXPECT_EQ(button.CurrentImage(), Image::Disabled);
}

TEST_F(BitmapButtonTest, ImagesAreCutFromTheSourceRectangleAndMissingSourcesKeepTheOldImage) {
    CBitmapBtn button;
    ASSERT_TRUE(button.Create(RECT{10, 10, 60, 40}, &parent_));
    Give(button);
    // A source whose right half is white: cutting from x 30 gives a white image.
    const HBITMAP split = Solid(60, 30, RGB(0, 0, 0));
    {
        const HDC dc = ::CreateCompatibleDC(nullptr);
        const HGDIOBJ previous = ::SelectObject(dc, split);
        RECT right{30, 0, 60, 30};
        ::FillRect(dc, &right, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::SelectObject(dc, previous);
        ::DeleteDC(dc);
    }
    button.SetImages(RECT{30, 0, 60, 30}, split, nullptr, nullptr, nullptr);
    ::DeleteObject(split); // the button keeps its own copy
    EXPECT_EQ(DrawnColour(button, 0), RGB(255, 255, 255));
    EXPECT_EQ(DrawnColour(button, ODS_SELECTED), colours_[2]);
}

TEST_F(BitmapButtonTest, HoverMovesFromOneButtonToTheNextLeavingOnlyTheSecond) {
    CBitmapBtn first;
    CBitmapBtn second;
    ASSERT_TRUE(first.Create(RECT{10, 10, 60, 40}, &parent_));
    ASSERT_TRUE(second.Create(RECT{70, 10, 120, 40}, &parent_));
    Give(first);
    Give(second);
    ASSERT_NE(::GetActiveWindow(), nullptr);

    first.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(first.IsHover());
    EXPECT_EQ(::GetCapture(), first.Hwnd());
    EXPECT_EQ(DrawnColour(first, 0), colours_[1]);

    // The captured first button sees the pointer reach the second (65, 5 in its coordinates).
    first.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(65, 5));
    second.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(first.IsHover());
    EXPECT_TRUE(second.IsHover());
    EXPECT_EQ(::GetCapture(), second.Hwnd());
    EXPECT_EQ(DrawnColour(first, 0), colours_[0]);
    EXPECT_EQ(DrawnColour(second, 0), colours_[1]);

    // Every move reached the parent in screen coordinates: 200 + 10 + 5, 200 + 10 + 5 and so on.
    test::PumpMessages();
    const auto moves = parent_.Of(WM_MOUSEMOVE);
    ASSERT_GE(moves.size(), 3u);
    EXPECT_EQ(moves[0].lParam, MAKELPARAM(215, 215));
    EXPECT_EQ(moves[1].lParam, MAKELPARAM(275, 215));
    EXPECT_EQ(moves[2].lParam, MAKELPARAM(275, 215));

    // Losing the focus clears the hover.
    second.SendMessage(WM_KILLFOCUS, 0, 0);
    EXPECT_FALSE(second.IsHover());
    ::ReleaseCapture();
}

TEST_F(BitmapButtonTest, AReleaseIsPassedToTheParentAndAClickStillCommands) {
    test::RecordingWindow owner{{WM_COMMAND, WM_LBUTTONUP}};
    ASSERT_TRUE(owner.CreateTopLevel(RECT{300, 300, 500, 400}));
    CBitmapBtn button;
    ASSERT_TRUE(button.Create(RECT{10, 10, 60, 40}, &owner));
    Give(button);
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    test::PumpMessages();
    const auto commands = owner.Of(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(HIWORD(commands[0].wParam), BN_CLICKED);
    EXPECT_EQ(reinterpret_cast<HWND>(commands[0].lParam), button.Hwnd());
    const auto ups = owner.Of(WM_LBUTTONUP);
    ASSERT_EQ(ups.size(), 1u);
    EXPECT_EQ(ups[0].wParam, 0u);
    EXPECT_EQ(ups[0].lParam, 0);
}

} // namespace
} // namespace corvalith
