#include "controls/win/CBitmapBtn.h"
#include "skin/win/SkinImages.h"
#include "win/framework/RecordingWindow.h"
#include "win/skin/SkinTestFiles.h"
#include "win/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace corvalith {
namespace {

// A button state as the owner draws it, and the colour the face shows for it.
struct Case {
    const char* name;
    bool checked;
    bool hover;
    bool enabled;
    UINT itemState;
    COLORREF colour;
};

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

// A 60 x 30 opaque PNG whose first ten columns are black and whose other columns are the colour.
bool WriteStateImage(const std::string& path, COLORREF colour) {
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 60; ++x) {
            const bool black = x < 10;
            pixels.push_back(black ? 0 : GetBValue(colour));
            pixels.push_back(black ? 0 : GetGValue(colour));
            pixels.push_back(black ? 0 : GetRValue(colour));
        }
    }
    return test::WritePng(path, 60, 30, false, pixels);
}

TEST_F(BitmapButtonTest, SkinImagesAreTakenAtTheFirstDrawAndEachFileIsDecodedOnce) {
    test::TemporaryFolder folder;
    const SkinImages skins(folder.Path());
    // The hover and pressed states share one file, as the main window's drop-down boxes do.
    ASSERT_TRUE(WriteStateImage(folder.Path() + "normal.png", colours_[0]));
    ASSERT_TRUE(WriteStateImage(folder.Path() + "over.png", colours_[1]));
    ASSERT_TRUE(WriteStateImage(folder.Path() + "off.png", colours_[3]));

    CBitmapBtn first;
    CBitmapBtn second;
    ASSERT_TRUE(first.Create(RECT{10, 10, 60, 40}, &parent_));
    ASSERT_TRUE(second.Create(RECT{70, 10, 120, 40}, &parent_));
    // The right 50 x 30 of each image, past its black columns.
    for (CBitmapBtn* button : {&first, &second}) {
        button->SetSkinImages(skins, RECT{10, 0, 60, 30}, "normal.png", "\\OVER.png", "/over.png", "off.png");
    }
    EXPECT_EQ(first.GetStyle() & (WS_BORDER | WS_TABSTOP), 0u);
    EXPECT_EQ(skins.DecodeCount(), 0); // nothing is decoded before a draw

    const Case cases[] = {
        {"normal", false, false, true, 0, colours_[0]},
        {"hover", false, true, true, 0, colours_[1]},
        {"pressed", false, false, true, ODS_SELECTED, colours_[1]},
        {"checked", true, false, true, 0, colours_[1]},
        {"disabled", false, false, false, ODS_DISABLED, colours_[3]},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (CBitmapBtn* button : {&first, &second}) {
            button->SetChecked(c.checked);
            button->SetHover(c.hover);
            button->EnableWindow(c.enabled);
            EXPECT_EQ(DrawnColour(*button, c.itemState, 0, 0), c.colour);
            EXPECT_EQ(DrawnColour(*button, c.itemState, 49, 29), c.colour);
        }
    }
    EXPECT_EQ(skins.DecodeCount(), 3);

    // A bitmap given afterwards still replaces a state's image.
    const HBITMAP white = Solid(60, 30, RGB(255, 255, 255));
    first.SetImages(RECT{0, 0, 50, 30}, white, nullptr, nullptr, nullptr);
    ::DeleteObject(white);
    first.SetChecked(false);
    first.SetHover(false);
    first.EnableWindow(true);
    EXPECT_EQ(DrawnColour(first, 0), RGB(255, 255, 255));
    EXPECT_EQ(DrawnColour(first, ODS_SELECTED), colours_[1]);
}

TEST_F(BitmapButtonTest, TheCaptionFontIsMadeOnceAndRemadeOnlyWhenItChanges) {
    CBitmapBtn button;
    ASSERT_TRUE(button.Create(RECT{10, 10, 60, 40}, &parent_, 0, L"Caption"));
    Give(button);
    EXPECT_EQ(button.CaptionFont(), nullptr);
    const auto fontOf = [](HFONT font) {
        LOGFONTW described{};
        ::GetObjectW(font, sizeof described, &described);
        return std::make_pair(static_cast<int>(described.lfHeight), std::wstring(described.lfFaceName));
    };

    struct Case {
        const char* name;
        std::function<void()> change;
        bool remade;
        int height;
        const wchar_t* face;
    };
    const Case cases[] = {
        {"first draw", [] {}, true, 14, L""},
        {"another draw", [] {}, false, 14, L""},
        {"the same height", [&] { button.SetFontHeight(14); }, false, 14, L""},
        {"a new height", [&] { button.SetFontHeight(13); }, true, 13, L""},
        {"a new face", [&] { button.SetFontFace(L"Arial"); }, true, 13, L"Arial"},
        {"the same face", [&] { button.SetFontFace(L"Arial"); }, false, 13, L"Arial"},
        {"a new caption", [&] { button.SetCaption(L"Other"); }, false, 13, L"Arial"},
    };
    HFONT kept = nullptr;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.change();
        if (c.remade && kept != nullptr) {
            EXPECT_EQ(::GetObjectType(kept), 0u); // the old font is gone as soon as it changes
        }
        DrawnColour(button, 0);
        const HFONT font = button.CaptionFont();
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(::GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
        if (!c.remade) {
            EXPECT_EQ(font, kept);
        }
        EXPECT_EQ(fontOf(font), std::make_pair(c.height, std::wstring(c.face)));
        kept = font;
    }
    button.DestroyWindow();
    EXPECT_EQ(::GetObjectType(kept), 0u); // the font goes with the window
    EXPECT_EQ(button.CaptionFont(), nullptr);
}

TEST_F(BitmapButtonTest, TheFontGoesWithTheButtonObject) {
    HFONT font = nullptr;
    {
        CBitmapBtn button;
        ASSERT_TRUE(button.Create(RECT{10, 10, 60, 40}, &parent_, 0, L"Caption"));
        DrawnColour(button, 0);
        font = button.CaptionFont();
        ASSERT_NE(font, nullptr);
    }
    EXPECT_EQ(::GetObjectType(font), 0u);
}

// A button that notes its id in `painted` at each paint it answers.
class PaintCountingButton : public CBitmapBtn {
public:
    std::vector<WPARAM>* painted = nullptr;

protected:
    void OnPaint() override {
        painted->push_back(static_cast<WPARAM>(GetDlgCtrlID()));
        CBitmapBtn::OnPaint();
    }
};

TEST_F(BitmapButtonTest, AHoverChangeRepaintsOnlyThatButton) {
    test::RecordingWindow owner{{WM_DRAWITEM}};
    ASSERT_TRUE(owner.CreateTopLevel(RECT{300, 300, 500, 400}));
    std::vector<WPARAM> painted;
    std::array<PaintCountingButton, 3> buttons;
    for (PaintCountingButton& button : buttons) {
        button.painted = &painted;
    }
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const int left = 10 + 60 * static_cast<int>(i);
        ASSERT_TRUE(buttons[i].Create(RECT{left, 10, left + 50, 40}, &owner, static_cast<UINT>(101 + i)));
        Give(buttons[i]);
    }
    ::UpdateWindow(owner.Hwnd());
    for (CBitmapBtn& button : buttons) {
        button.UpdateWindow();
    }
    // Each paint the buttons answered or had their owner draw for them.
    const auto drawn = [&] {
        std::vector<WPARAM> ids = painted;
        for (const auto& r : owner.Of(WM_DRAWITEM)) {
            ids.push_back(r.wParam);
        }
        owner.received.clear();
        painted.clear();
        return ids;
    };
    drawn();

    // A captured button also hears the real pointer (Wine sends a move when the capture changes), so
    // the pointer is put where each case's messages say it is.
    const auto pointerOn = [](CBitmapBtn& button) {
        RECT r{};
        ::GetWindowRect(button.Hwnd(), &r);
        ::SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    };
    struct Case {
        const char* name;
        std::function<void()> change;
        std::vector<WPARAM> drawn;
    };
    const Case cases[] = {
        {"pointer onto the first",
         [&] {
             pointerOn(buttons[0]);
             buttons[0].SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
         },
         {101}},
        {"pointer moves within it", [&] { buttons[0].SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(8, 5)); }, {}},
        {"pointer onto the second",
         [&] {
             pointerOn(buttons[1]);
             buttons[0].SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(65, 5));
             buttons[1].SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
         },
         {101, 102}},
        {"a preview's hover", [&] { buttons[2].SetHover(true); }, {103}},
        {"the same hover again", [&] { buttons[2].SetHover(true); }, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.change();
        test::PumpMessages();
        EXPECT_EQ(drawn(), c.drawn);
        // The owner itself has nothing left to paint.
        EXPECT_FALSE(::GetUpdateRect(owner.Hwnd(), nullptr, FALSE));
    }
    ::ReleaseCapture();
}

} // namespace
} // namespace corvalith
