#include "doubles/RecordingDebugOutput.h"
#include "doubles/ScriptedPrompts.h"
#include "pages/win/CDlgadvance.h"
#include "skin/SkinFileNames.h"
#include "skin/win/CSkinScrollWnd.h"
#include "win/support/ButtonClick.h"
#include "win/support/PixelSurface.h"
#include "win/support/TestSkinFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

namespace corvalith {
namespace {

// The panel alone in a window of its own, over page images of known heights: DPI 232, lighting 192, pad
// 163, polling rate 135, the two gauges 112, scroll speed 72, angle snapping 50. Each page is a grey of
// its own and the panel's background blue, so that a misplaced page shows.
struct Panel {
    Panel() {
        const std::pair<std::string, int> pages[] = {
            {SkinFileNames::InSkins(SkinFileNames::kDpiPage), 232},
            {SkinFileNames::InSkins(SkinFileNames::kLightingPage), 192},
            {SkinFileNames::InSkins(SkinFileNames::kPadLightingPage), 163},
            {SkinFileNames::InSkins(SkinFileNames::kPollingPage), 135},
            {SkinFileNames::InSkins(SkinFileNames::kPointerPage), 112},
            {SkinFileNames::InSkins(SkinFileNames::kScrollPage), 72},
            {SkinFileNames::InSkins(SkinFileNames::kAngleSnapPage), 50},
        };
        int grey = 20;
        for (const auto& [path, height] : pages) {
            EXPECT_TRUE(folder.WriteImage(path, 242, height, RGB(grey, grey, grey)));
            grey += 25;
        }
        EXPECT_TRUE(
            folder.WriteImage(SkinFileNames::InSkins(SkinFileNames::kMainRight), 260, 563, RGB(30, 60, 200)));
        skins = std::make_unique<SkinImages>(folder.ProgramFolder());
        language.Fill("EN");
        EXPECT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_POPUP | WS_CLIPCHILDREN, RECT{0, 0, 1000, 620},
                                   static_cast<HWND>(nullptr), 0));
        panel =
            std::make_unique<CDlgadvance>(PageContext{working, applied, *skins, language, prompts, debug});
        EXPECT_TRUE(panel->CreatePanel(&owner));
        panel->SetPadSection(false);
        EXPECT_TRUE(panel->AttachScrollFrame());
        panel->LayOutHeaders();
        panel->UpdateScrollBars();
    }
    ~Panel() { owner.DestroyWindow(); }

    void ClickHeader(int section) { test::ClickButton(*panel, panel->Header(section)); }
    int Top(int section) { return panel->Header(section).Rect().top; }
    SCROLLINFO Bar() {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        ::GetScrollInfo(panel->Hwnd(), SB_VERT, &info);
        return info;
    }

    test::TestSkinFolder folder;
    std::unique_ptr<SkinImages> skins;
    LanguageTable language;
    ProfileSettings working{};
    ProfileSettings applied{};
    test::ScriptedPrompts prompts;
    test::RecordingDebugOutput debug;
    CWnd owner;
    std::unique_ptr<CDlgadvance> panel;
};

TEST(AdvancedPanel, SectionsCascadeAndTheRangeFollows) {
    struct Case {
        const char* name;
        std::vector<int> clicks; // header clicks in order
        std::vector<int> tops;   // headers 1, 2, 4, 5, 6, 7, 8
        int maximum;             // of the bar: range - 1
    };
    const Case cases[] = {
        {"collapsed", {}, {2, 27, 52, 77, 102, 127, 152}, 562},
        {"DPI open", {1}, {2, 259, 284, 309, 334, 359, 384}, 562},
        {"DPI open and closed", {1, 1}, {2, 27, 52, 77, 102, 127, 152}, 562},
        {"DPI and polling open, then DPI closed", {1, 4, 1}, {2, 27, 52, 212, 237, 262, 287}, 562},
        {"four open", {1, 2, 4, 5}, {2, 259, 476, 636, 773, 798, 823}, 830},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Panel p;
        for (const int section : c.clicks) {
            p.ClickHeader(section);
        }
        const int sections[] = {1, 2, 4, 5, 6, 7, 8};
        for (std::size_t i = 0; i < 7; ++i) {
            EXPECT_EQ(p.Top(sections[i]), c.tops[i]) << "section " << sections[i];
            const int section = sections[i];
            if (!p.panel->Layout().IsCollapsed(section)) {
                const RECT page = p.panel->Page(section).GetRectInParent();
                EXPECT_EQ(page.top, c.tops[i] + 20);
                EXPECT_TRUE(p.panel->Page(section).GetStyle() & WS_VISIBLE);
            } else {
                EXPECT_FALSE(p.panel->Page(section).GetStyle() & WS_VISIBLE);
            }
        }
        EXPECT_EQ(p.Bar().nMax, c.maximum);
    }
}

TEST(AdvancedPanel, WheelAndScrollMessagesMoveTheColumn) {
    Panel p;
    for (const int section : {1, 2, 4, 5}) {
        p.ClickHeader(section);
    }
    ASSERT_EQ(p.Bar().nPage, 561u);
    // A notch down with the usual three lines moves 60 pixels.
    p.panel->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0);
    EXPECT_EQ(p.Bar().nPos, 60);
    EXPECT_EQ(p.Top(2), 259 - 60);
    // Page down stops at range - page: 831 - 561.
    p.panel->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
    EXPECT_EQ(p.Bar().nPos, 270);
    EXPECT_EQ(p.Top(8), 823 - 270);
    // Closing everything brings the column back, up to the one pixel the minimum range of 563 leaves
    // over a page of 561: the position is kept below range - page - 1.
    p.panel->CollapseAll();
    EXPECT_EQ(p.Bar().nMax, 562);
    EXPECT_EQ(p.Bar().nPos, 1);
    EXPECT_EQ(p.Top(8), 151);
    for (int section = 1; section <= 8; ++section) {
        EXPECT_TRUE(p.panel->Layout().IsCollapsed(section));
    }
}

// The panel's column as the screen shows it: the frame's rectangle, copied from its owner's window.
std::vector<COLORREF> ColumnPixels(Panel& p) {
    const RECT frame = p.panel->Frame()->GetRectInParent();
    test::PixelSurface surface(frame.right - frame.left, frame.bottom - frame.top);
    const HDC dc = ::GetDC(p.owner.Hwnd());
    ::BitBlt(surface.Dc(), 0, 0, surface.Width(), surface.Height(), dc, frame.left, frame.top, SRCCOPY);
    ::ReleaseDC(p.owner.Hwnd(), dc);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            pixels.push_back(surface.Pixel(x, y));
        }
    }
    return pixels;
}

// On screen a notch moves the pixels along with the sections and paints only what comes into view: the
// column must end up as a full repaint at the new position draws it.
TEST(AdvancedPanel, AWheelNotchOnTheShownPanelLooksAsAFullRepaintThere) {
    Panel p;
    // Away from the window: a header that comes under the pointer would take its hover look.
    ::SetCursorPos(1200, 1000);
    ::ShowWindow(p.owner.Hwnd(), SW_SHOWNA);
    for (const int section : {1, 2, 4, 5}) {
        p.ClickHeader(section);
    }
    ::RedrawWindow(p.owner.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    struct Case {
        short delta;
        int position;
    };
    for (const Case c : {Case{-120, 60}, Case{-120, 120}, Case{120, 60}}) {
        SCOPED_TRACE(c.position);
        p.panel->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(c.delta)), 0);
        ASSERT_EQ(p.Bar().nPos, c.position);
        for (const int section : {1, 2, 4, 5, 6, 7}) {
            EXPECT_EQ(p.Top(section), p.panel->Layout().Header(section).Top - c.position) << section;
        }
        const std::vector<COLORREF> scrolled = ColumnPixels(p);
        ::RedrawWindow(p.owner.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        const std::vector<COLORREF> repainted = ColumnPixels(p);
        ASSERT_EQ(scrolled.size(), repainted.size());
        int differing = 0;
        for (std::size_t i = 0; i < scrolled.size(); ++i) {
            differing += scrolled[i] != repainted[i] ? 1 : 0;
        }
        EXPECT_EQ(differing, 0);
    }
}

} // namespace
} // namespace corvalith
