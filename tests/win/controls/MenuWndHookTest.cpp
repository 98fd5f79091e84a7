#include "controls/win/CExMenu.h"
#include "controls/win/CMenuWndHook.h"
#include "framework/CWnd.h"
#include "win/support/PixelSurface.h"
#include "win/support/PopupMenus.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <map>
#include <vector>

namespace corvalith {
namespace {

using test::PixelSurface;

constexpr COLORREF kOuter = RGB(143, 32, 32);
constexpr COLORREF kInner = RGB(111, 41, 41);
constexpr COLORREF kSelected = RGB(143, 32, 32);
constexpr UINT_PTR kStepTimer = 7;

// The owner of the menus under test: it measures and draws their items and, on a timer that keeps
// running while a menu is tracked, runs one step of the test's script per tick.
class MenuOwner : public CWnd {
public:
    MenuOwner() { CreateEx(0, nullptr, L"menu owner", WS_POPUP | WS_VISIBLE, RECT{0, 0, 50, 50}, HWND{}, 0); }

    std::vector<std::function<void()>> steps;
    std::size_t next = 0;
    // The last rectangle each item was drawn in, in the popup's client coordinates.
    std::map<UINT, RECT> drawn;

    void Start() {
        next = 0;
        SetTimer(kStepTimer, 30);
    }

protected:
    void OnMeasureItem(int, MEASUREITEMSTRUCT* item) override { CExMenu::HandleMeasureItem(item); }
    void OnDrawItem(int, DRAWITEMSTRUCT* item) override {
        CExMenu::HandleDrawItem(item);
        drawn[item->itemID] = item->rcItem;
    }
    void OnTimer(UINT_PTR id) override {
        if (id != kStepTimer) {
            return;
        }
        if (next < steps.size()) {
            steps[next++]();
        } else {
            KillTimer(kStepTimer);
            ::EndMenu();
        }
    }
};

using test::MenuOf;
using test::PopupMenuWindows;

void PressKey(HWND window, UINT key) {
    ::PostMessageW(window, WM_KEYDOWN, key, 1);
    ::PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

// Checks the three outlines of a framed popup, printed into a surface of the window's size.
void ExpectFramed(HWND window, const char* which) {
    EXPECT_NE(::GetPropW(window, L"CoolMenu_oldProc"), nullptr) << which;
    EXPECT_TRUE(CMenuWndHook::IsFramed(window)) << which;
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    ASSERT_GT(width, 6) << which;
    ASSERT_GT(height, 6) << which;
    PixelSurface surface(width, height);
    surface.Fill(RGB(0, 255, 0));
    ::SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(surface.Dc()),
                   PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    struct Probe {
        int x, y;
        COLORREF colour;
    };
    const Probe probes[] = {
        {0, 0, kOuter},         {width - 1, height - 1, kOuter},
        {width / 2, 0, kOuter}, {0, height / 2, kOuter},
        {1, 1, kInner},         {width - 2, height / 2, kInner},
        {2, 2, kInner},         {width / 2, height - 3, kInner},
    };
    for (const Probe& p : probes) {
        EXPECT_EQ(surface.Pixel(p.x, p.y), p.colour) << which << " at " << p.x << "," << p.y;
    }
}

// Checks the frame as the screen shows it, at the window's left edge and its top-left corner.
void ExpectFramedOnScreen(HWND window, const char* which) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const HDC screen = ::GetDC(nullptr);
    const int y = (rect.top + rect.bottom) / 2;
    EXPECT_EQ(::GetPixel(screen, rect.left, rect.top), kOuter) << which;
    EXPECT_EQ(::GetPixel(screen, rect.left, y), kOuter) << which;
    EXPECT_EQ(::GetPixel(screen, rect.left + 1, y), kInner) << which;
    EXPECT_EQ(::GetPixel(screen, rect.left + 2, y), kInner) << which;
    EXPECT_EQ(::GetPixel(screen, rect.right - 1, y), kOuter) << which;
    ::ReleaseDC(nullptr, screen);
}

class MenuWndHookTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CMenuWndHook::Install()); }
    void TearDown() override { CMenuWndHook::Uninstall(); }
};

TEST_F(MenuWndHookTest, FramesThePopupAndItsSubmenuAndLetsThemGoWhenTheyClose) {
    EXPECT_TRUE(CMenuWndHook::Install()); // a second install keeps the one hook
    MenuOwner owner;
    ASSERT_NE(owner.Hwnd(), nullptr);

    CExMenu menu;
    CExMenu submenu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(submenu.CreatePopupMenu());
    menu.SetItemWidth(130);
    submenu.SetItemWidth(90);
    ASSERT_TRUE(submenu.AppendItem(2020, "DPI Up"));
    ASSERT_TRUE(submenu.AppendItem(2021, "DPI Down"));
    ASSERT_TRUE(menu.AppendSubmenu("DPI Setting +", submenu));
    ASSERT_TRUE(menu.AppendItem(2001, "Click"));

    std::vector<HWND> seen;
    owner.steps = {
        [] {},
        [&] {
            const std::vector<HWND> popups = PopupMenuWindows();
            ASSERT_EQ(popups.size(), 1u);
            seen = popups;
            EXPECT_EQ(CMenuWndHook::FramedCount(), 1u);
            ExpectFramed(popups[0], "main popup");
            ExpectFramedOnScreen(popups[0], "main popup");
            PressKey(popups[0], VK_DOWN);
            PressKey(popups[0], VK_RIGHT);
        },
        [] {},
        [] {},
        [&] {
            const std::vector<HWND> popups = PopupMenuWindows();
            ASSERT_EQ(popups.size(), 2u);
            EXPECT_EQ(CMenuWndHook::FramedCount(), 2u);
            for (HWND popup : popups) {
                if (popup != seen[0]) {
                    seen.push_back(popup);
                    ExpectFramed(popup, "submenu");
                    ExpectFramedOnScreen(popup, "submenu");
                }
            }
            ExpectFramed(seen[0], "main popup with its submenu open");
        },
    };
    owner.Start();
    const UINT chosen = menu.TrackForCommand(100, 100, owner.Hwnd());
    EXPECT_EQ(chosen, 0u);
    EXPECT_EQ(owner.next, owner.steps.size());
    EXPECT_EQ(seen.size(), 2u);
    // Hidden or destroyed: every window has its own procedure back and no object is left.
    EXPECT_EQ(CMenuWndHook::FramedCount(), 0u);
    for (HWND window : seen) {
        EXPECT_FALSE(::IsWindow(window) && ::GetPropW(window, L"CoolMenu_oldProc") != nullptr);
    }
}

TEST_F(MenuWndHookTest, TheHoveredItemOfARealMenuIsDrawnSelectedAndTheChoiceIsReturned) {
    MenuOwner owner;
    CExMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.SetItemWidth(100);
    ASSERT_TRUE(menu.AppendItem(1001, "Site"));
    ASSERT_TRUE(menu.AppendItem(1002, "Update"));
    ASSERT_TRUE(menu.AppendItem(1003, "Version:1.0"));

    owner.steps = {
        [&] {
            const std::vector<HWND> popups = PopupMenuWindows();
            ASSERT_EQ(popups.size(), 1u);
            PressKey(popups[0], VK_DOWN);
            PressKey(popups[0], VK_DOWN);
        },
        [&] {
            const std::vector<HWND> popups = PopupMenuWindows();
            ASSERT_EQ(popups.size(), 1u);
            ASSERT_EQ(owner.drawn.count(1001), 1u);
            ASSERT_EQ(owner.drawn.count(1002), 1u);
            const RECT first = owner.drawn[1001];
            const RECT second = owner.drawn[1002];
            EXPECT_EQ(first.bottom - first.top, 20);
            EXPECT_EQ(second.top, first.bottom);
            RECT window{};
            ::GetWindowRect(popups[0], &window);
            POINT client{0, 0};
            ::ClientToScreen(popups[0], &client);
            const int dx = client.x - window.left;
            const int dy = client.y - window.top;
            PixelSurface surface(window.right - window.left, window.bottom - window.top);
            ::SendMessageW(popups[0], WM_PRINT, reinterpret_cast<WPARAM>(surface.Dc()),
                           PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
            // The second item is hovered, the first is not; both read near their right-hand ends, past
            // the text.
            const int x = first.right - 3 + dx;
            EXPECT_EQ(surface.Pixel(x, (first.top + first.bottom) / 2 + dy), kInner);
            EXPECT_EQ(surface.Pixel(x, (second.top + second.bottom) / 2 + dy), kSelected);
            EXPECT_EQ(surface.Pixel(x, (second.top + second.bottom) / 2 + 20 + dy), kInner);
            PressKey(popups[0], VK_RETURN);
        },
    };
    owner.Start();
    EXPECT_EQ(menu.TrackForCommand(200, 150, owner.Hwnd()), 1002u);
    EXPECT_EQ(menu.TotalHeight() % 60, 0); // each showing measures the three items, 20 pixels each
    EXPECT_GE(menu.TotalHeight(), 60);
}

TEST_F(MenuWndHookTest, LeavesOtherWindowsAloneAndDrawsTheFrameOnAnySurface) {
    MenuOwner owner;
    EXPECT_EQ(::GetPropW(owner.Hwnd(), L"CoolMenu_oldProc"), nullptr);
    EXPECT_FALSE(CMenuWndHook::IsFramed(owner.Hwnd()));

    // 50 x 50 owner: the frame is three outlines, the rest untouched.
    PixelSurface surface(50, 50);
    surface.Fill(RGB(0, 0, 255));
    CMenuWndHook::DrawFrame(owner.Hwnd(), surface.Dc());
    struct Probe {
        int x, y;
        COLORREF colour;
    };
    const Probe probes[] = {
        {0, 0, kOuter}, {49, 49, kOuter}, {25, 0, kOuter},        {1, 1, kInner},           {48, 25, kInner},
        {2, 2, kInner}, {25, 47, kInner}, {3, 3, RGB(0, 0, 255)}, {46, 46, RGB(0, 0, 255)},
    };
    for (const Probe& p : probes) {
        EXPECT_EQ(surface.Pixel(p.x, p.y), p.colour) << p.x << "," << p.y;
    }
}

TEST(MenuWndHookInstallTest, WithoutTheHookPopupsKeepTheirOwnFrame) {
    ASSERT_FALSE(CMenuWndHook::IsInstalled());
    MenuOwner owner;
    CExMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.SetItemWidth(100);
    ASSERT_TRUE(menu.AppendItem(2, "Exit"));
    bool checked = false;
    owner.steps = {[&] {
        const std::vector<HWND> popups = PopupMenuWindows();
        ASSERT_EQ(popups.size(), 1u);
        EXPECT_EQ(::GetPropW(popups[0], L"CoolMenu_oldProc"), nullptr);
        checked = true;
    }};
    owner.Start();
    EXPECT_EQ(menu.TrackForCommand(100, 100, owner.Hwnd()), 0u);
    EXPECT_TRUE(checked);
    EXPECT_EQ(CMenuWndHook::FramedCount(), 0u);
}

} // namespace
} // namespace corvalith
