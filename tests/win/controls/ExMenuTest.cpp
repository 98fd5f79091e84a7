#include "controls/win/CExMenu.h"
#include "framework/UiFont.h"
#include "win/support/PixelSurface.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <utility>
#include <vector>

namespace corvalith {
namespace {

using test::PixelSurface;

constexpr COLORREF kNormal = RGB(111, 41, 41);
constexpr COLORREF kSelected = RGB(143, 32, 32);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

struct MenuFont {
    MenuFont()
        : handle(CreateUiFont(
              {.Face = L"Arial", .Height = 13, .Weight = FW_NORMAL, .PitchAndFamily = FF_SWISS})) {}
    ~MenuFont() { ::DeleteObject(handle); }
    HFONT handle;
};

DRAWITEMSTRUCT DrawRequest(HDC dc, UINT id, UINT state, const RECT& rect, CExMenu& menu) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.itemID = id;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hDC = dc;
    item.rcItem = rect;
    item.itemData = reinterpret_cast<ULONG_PTR>(&menu);
    return item;
}

// The rows holding bright (text) pixels inside a rectangle: first and last, -1 when there are none.
std::pair<int, int> BrightRows(const PixelSurface& surface, const RECT& area) {
    int first = -1;
    int last = -1;
    for (int y = area.top; y < area.bottom; ++y) {
        if (surface.CountBright(RECT{area.left, y, area.right, y + 1}) > 0) {
            if (first < 0) {
                first = y;
            }
            last = y;
        }
    }
    return {first, last};
}

TEST(ExMenuTest, DrawsItemsInTheSkinColoursAndLeavesTheRestOfTheSurfaceAlone) {
    MenuFont font;
    CExMenu menu(font.handle);
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.SetItemWidth(130);
    ASSERT_TRUE(menu.AppendItem(2001, "Click"));
    ASSERT_TRUE(menu.AppendItem(2048, "")); // a separator, id 0

    // Each item is drawn at 10, 20 .. 140, 40 of a surface filled green, then the surface is filled blue:
    // the item keeps its look (its rectangle is cut out of the clipping region), the rest turns blue.
    struct Case {
        const char* name;
        UINT id;
        UINT state;
        COLORREF background;
        bool text;
    };
    const Case cases[] = {
        {"normal item", 2001, 0, kNormal, true},
        {"hovered item", 2001, ODS_SELECTED, kSelected, true},
        {"separator", 0, 0, kNormal, false}, // its line has the background's colour
        {"selected separator", 0, ODS_SELECTED, kNormal, false},
        {"item missing from the list", 4242, 0, kNormal, true}, // shows "0"
    };
    const RECT item{10, 20, 140, 40};
    for (const Case& c : cases) {
        PixelSurface surface(160, 60);
        surface.Fill(kGreen);
        const DRAWITEMSTRUCT request = DrawRequest(surface.Dc(), c.id, c.state, item, menu);
        ASSERT_TRUE(CExMenu::HandleDrawItem(&request)) << c.name;
        surface.Fill(kBlue);

        const POINT backgroundPoints[] = {{10, 20}, {139, 20}, {10, 39}, {139, 39}, {11, 30}, {138, 21}};
        for (const POINT& p : backgroundPoints) {
            EXPECT_EQ(surface.Pixel(p.x, p.y), c.background) << c.name << " at " << p.x << "," << p.y;
        }
        const POINT outside[] = {{9, 20}, {140, 30}, {10, 19}, {10, 40}, {0, 0}};
        for (const POINT& p : outside) {
            EXPECT_EQ(surface.Pixel(p.x, p.y), kBlue) << c.name << " at " << p.x << "," << p.y;
        }
        // White text starts two pixels in from the item's left edge.
        EXPECT_EQ(surface.CountBright(RECT{10, 20, 12, 40}), 0) << c.name;
        const int text = surface.CountBright(item);
        if (c.text) {
            EXPECT_GT(text, 5) << c.name;
            // Vertically centred: as many rows free above the text as below it, give or take two.
            const auto [first, last] = BrightRows(surface, item);
            const int above = first - item.top;
            const int below = item.bottom - 1 - last;
            EXPECT_LE(std::abs(above - below), 2) << c.name << " rows " << first << ".." << last;
        } else {
            EXPECT_EQ(text, 0) << c.name;
        }
    }
}

TEST(ExMenuTest, AMissingIdShowsTheSameTextAsAnItemReading0) {
    MenuFont font;
    CExMenu menu(font.handle);
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendItem(2001, "Click"));
    ASSERT_TRUE(menu.AppendItem(2002, "0"));
    const RECT item{0, 0, 100, 20};
    PixelSurface missing(100, 20);
    PixelSurface zero(100, 20);
    PixelSurface click(100, 20);
    const DRAWITEMSTRUCT missingRequest = DrawRequest(missing.Dc(), 3999, 0, item, menu);
    const DRAWITEMSTRUCT zeroRequest = DrawRequest(zero.Dc(), 2002, 0, item, menu);
    const DRAWITEMSTRUCT clickRequest = DrawRequest(click.Dc(), 2001, 0, item, menu);
    menu.DrawItem(&missingRequest);
    menu.DrawItem(&zeroRequest);
    menu.DrawItem(&clickRequest);
    int differencesFromZero = 0;
    int differencesFromClick = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 100; ++x) {
            differencesFromZero += missing.Pixel(x, y) != zero.Pixel(x, y) ? 1 : 0;
            differencesFromClick += missing.Pixel(x, y) != click.Pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(differencesFromZero, 0);
    EXPECT_GT(differencesFromClick, 0);
}

TEST(ExMenuTest, GivesTheDeviceContextBackItsTextColourFontAndMode) {
    MenuFont font;
    CExMenu menu(font.handle);
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendItem(2001, "Click"));
    PixelSurface surface(100, 20);
    const HGDIOBJ systemFont = ::GetStockObject(SYSTEM_FONT);
    ::SelectObject(surface.Dc(), systemFont);
    ::SetTextColor(surface.Dc(), RGB(1, 2, 3));
    ::SetBkMode(surface.Dc(), OPAQUE);
    const DRAWITEMSTRUCT request = DrawRequest(surface.Dc(), 2001, ODS_SELECTED, RECT{0, 0, 100, 20}, menu);
    menu.DrawItem(&request);
    EXPECT_EQ(::GetTextColor(surface.Dc()), RGB(1, 2, 3));
    EXPECT_EQ(::GetCurrentObject(surface.Dc(), OBJ_FONT), systemFont);
    EXPECT_EQ(::GetBkMode(surface.Dc()), OPAQUE);
}

TEST(ExMenuTest, MeasuresItemsByIdAndAddsUpTheirHeights) {
    CExMenu menu;
    menu.SetItemWidth(90);
    struct Case {
        UINT id;
        UINT height;
    };
    const Case cases[] = {
        {0, 5},           // separator
        {1, 0},           // takes no room
        {2, 20},          // item height 18 + 2
        {2020, 20},       //
        {0x000100A2, 20}, // an item opening a submenu, by the submenu's handle
    };
    int total = 0;
    for (const Case& c : cases) {
        MEASUREITEMSTRUCT item{};
        item.CtlType = ODT_MENU;
        item.itemID = c.id;
        item.itemWidth = 7;
        item.itemHeight = 7;
        item.itemData = reinterpret_cast<ULONG_PTR>(&menu);
        ASSERT_TRUE(CExMenu::HandleMeasureItem(&item));
        EXPECT_EQ(item.itemHeight, c.height) << c.id;
        EXPECT_EQ(item.itemWidth, 90u) << c.id;
        total += static_cast<int>(c.height);
    }
    EXPECT_EQ(total, 65); // 5 + 0 + 20 + 20 + 20
    EXPECT_EQ(menu.TotalHeight(), 65);

    // Owner-draw requests of other controls are left to their owner.
    MEASUREITEMSTRUCT button{};
    button.CtlType = ODT_BUTTON;
    button.itemData = reinterpret_cast<ULONG_PTR>(&menu);
    EXPECT_FALSE(CExMenu::HandleMeasureItem(&button));
    MEASUREITEMSTRUCT noData{};
    noData.CtlType = ODT_MENU;
    EXPECT_FALSE(CExMenu::HandleMeasureItem(&noData));
    EXPECT_EQ(menu.TotalHeight(), 65);
}

TEST(ExMenuTest, AppendsOwnerDrawnItemsSeparatorsAndSubmenus) {
    CExMenu menu;
    CExMenu submenu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(submenu.CreatePopupMenu());
    ASSERT_TRUE(submenu.AppendItem(2020, "DPI Up"));
    const HMENU subHandle = submenu.Handle();
    ASSERT_TRUE(menu.AppendItem(2001, "Click"));
    ASSERT_TRUE(menu.AppendItem(2048, "unused"));
    ASSERT_TRUE(menu.AppendSubmenu("DPI Setting +", submenu));
    EXPECT_EQ(submenu.Handle(), nullptr); // the submenu now belongs to the menu

    struct Case {
        int position;
        UINT type;
        UINT id;
        HMENU opens;
        CExMenu* data;
    };
    const UINT subId = static_cast<UINT>(reinterpret_cast<UINT_PTR>(subHandle));
    const Case cases[] = {
        {0, MFT_OWNERDRAW, 2001, nullptr, &menu},
        {1, MFT_OWNERDRAW | MFT_SEPARATOR, 0, nullptr, &menu},
        {2, MFT_OWNERDRAW, subId, subHandle, &menu},
    };
    ASSERT_EQ(menu.GetMenuItemCount(), 3);
    for (const Case& c : cases) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
        ASSERT_TRUE(::GetMenuItemInfoW(menu.Handle(), static_cast<UINT>(c.position), TRUE, &info));
        EXPECT_EQ(info.fType & (MFT_OWNERDRAW | MFT_SEPARATOR), c.type) << c.position;
        EXPECT_EQ(info.wID, c.id) << c.position;
        EXPECT_EQ(info.hSubMenu, c.opens) << c.position;
        EXPECT_EQ(info.dwItemData, reinterpret_cast<ULONG_PTR>(c.data)) << c.position;
    }
    ASSERT_EQ(menu.Items().Size(), 3u);
    EXPECT_EQ(menu.Items().TextOf(2001), "Click");
    EXPECT_EQ(menu.Items().TextOf(subId), "DPI Setting +");
    EXPECT_EQ(submenu.Items().TextOf(2020), "DPI Up");
    // The submenu's items lead back to the submenu object.
    MENUITEMINFOW inner{};
    inner.cbSize = sizeof inner;
    inner.fMask = MIIM_DATA;
    ASSERT_TRUE(::GetMenuItemInfoW(subHandle, 0, TRUE, &inner));
    EXPECT_EQ(inner.dwItemData, reinterpret_cast<ULONG_PTR>(&submenu));

    CExMenu notCreated;
    EXPECT_FALSE(notCreated.AppendItem(2001, "Click"));
    EXPECT_EQ(notCreated.Items().Size(), 0u);
}

} // namespace
} // namespace corvalith
