#include "framework/CWnd.h"
#include "lang/LanguageTable.h"
#include "pages/win/CDlgSplash.h"
#include "pages/win/CDlgToolTip.h"
#include "skin/SkinFileNames.h"
#include "skin/win/SkinImages.h"
#include "win/support/ModalScript.h"
#include "win/support/PixelSurface.h"
#include "win/support/TestSkinFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace corvalith {
namespace {

using test::ModalScript;
using test::PixelSurface;
using test::TestSkinFolder;

constexpr COLORREF kSplashColour = RGB(40, 80, 120);

TEST(SplashTest, ClosesItselfWhenItsTimeIsUpWhateverTheUserClicksOrPresses) {
    TestSkinFolder folder;
    ASSERT_TRUE(folder.WriteImage(SkinFileNames::InSkins(SkinFileNames::kSplash), 537, 423, kSplashColour));
    SkinImages skins(folder.ProgramFolder());
    // The program shows it for three seconds; the test for 600 milliseconds.
    EXPECT_EQ(CDlgSplash(skins).PeriodMs(), 3000u);
    CDlgSplash splash(skins, nullptr, 600);

    RECT placed{};
    bool openAfterInput = false;
    RECT afterInput{};
    COLORREF painted = CLR_INVALID;
    ModalScript script({
        [&] {
            placed = splash.GetWindowRect();
            PixelSurface surface(537, 423);
            splash.Draw(surface.Dc());
            painted = surface.Pixel(268, 211);
            const HWND window = splash.Hwnd();
            const LPARAM inside = MAKELPARAM(100, 100);
            ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, inside);
            ::PostMessageW(window, WM_LBUTTONUP, 0, inside);
            ::PostMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, inside);
            ::PostMessageW(window, WM_MBUTTONDOWN, MK_MBUTTON, inside);
            ::PostMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(placed.left + 5, placed.top + 5));
            ::PostMessageW(window, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(placed.left + 5, placed.top + 5));
            for (const UINT key :
                 {UINT{VK_ESCAPE}, UINT{VK_RETURN}, UINT{VK_SPACE}, UINT{VK_F1}, UINT{'A'}}) {
                ::PostMessageW(window, WM_KEYDOWN, key, 1);
            }
            // Alt+F4.
            ::PostMessageW(window, WM_SYSKEYDOWN, VK_F4, 0x20000001);
        },
        [&] {
            openAfterInput = ::IsWindowVisible(splash.Hwnd()) != FALSE;
            afterInput = splash.GetWindowRect();
        },
    });
    EXPECT_EQ(splash.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(openAfterInput);
    EXPECT_TRUE(::EqualRect(&placed, &afterInput)); // not moved

    RECT area{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_EQ(placed.right - placed.left, 537);
    EXPECT_EQ(placed.bottom - placed.top, 423);
    EXPECT_EQ(placed.left, area.left + (area.right - area.left - 537) / 2);
    EXPECT_EQ(placed.top, area.top + (area.bottom - area.top - 423) / 2);
    EXPECT_EQ(painted, kSplashColour);
    EXPECT_TRUE(splash.HasPicture());
    EXPECT_EQ(splash.Hwnd(), nullptr);
}

TEST(SplashTest, WithoutItsPictureShowsBlackAndStillCloses) {
    TestSkinFolder empty;
    SkinImages skins(empty.ProgramFolder());
    CDlgSplash splash(skins, nullptr, 300);
    COLORREF painted = CLR_INVALID;
    ModalScript script({[&] {
                           PixelSurface surface(537, 423);
                           surface.Fill(RGB(255, 255, 255));
                           splash.Draw(surface.Dc());
                           painted = surface.Pixel(536, 422);
                       }},
                       10);
    EXPECT_EQ(splash.DoModal(), IDCANCEL);
    EXPECT_FALSE(splash.HasPicture());
    ASSERT_TRUE(script.Finished());
    EXPECT_EQ(painted, RGB(0, 0, 0));
}

class TipOwner : public CWnd {
public:
    TipOwner() { CreateEx(0, nullptr, L"tip owner", WS_POPUP, RECT{0, 0, 100, 100}, HWND{}, 0); }
};

// Shown over a window at 200 %, the picture comes from the 2x art set, pixel for pixel over the whole
// window of 1074 x 846 (537 x 423 doubled).
TEST(SplashTest, AtTwiceTheScaleShowsTheTwoTimesArtOverTheWholeWindow) {
    constexpr COLORREF kTwoX = RGB(120, 40, 80);
    TestSkinFolder folder;
    const std::string picture = SkinFileNames::InSkins(SkinFileNames::kSplash); // "Skins/..."
    ASSERT_TRUE(folder.WriteImage(picture, 537, 423, kSplashColour));
    ASSERT_TRUE(folder.WriteImage("Skins200" + picture.substr(5), 1074, 846, kTwoX));
    SkinImages skins(folder.ProgramFolder());
    skins.SetArtSet(200);
    TipOwner owner;
    owner.SetScale(DisplayScale(192));
    CDlgSplash splash(skins, &owner, 300);
    RECT placed{};
    std::vector<COLORREF> corners;
    ModalScript script({[&] {
                           placed = splash.GetWindowRect();
                           PixelSurface surface(1074, 846);
                           splash.Draw(surface.Dc());
                           corners = {surface.Pixel(0, 0), surface.Pixel(1073, 845)};
                       }},
                       10);
    splash.DoModal();
    ASSERT_TRUE(script.Finished());
    EXPECT_EQ(placed.right - placed.left, 1074);
    EXPECT_EQ(placed.bottom - placed.top, 846);
    EXPECT_EQ(corners, (std::vector<COLORREF>{kTwoX, kTwoX}));
}

// The bands of rows that hold bright pixels (lines of white text).
int TextLines(const PixelSurface& surface, const RECT& area) {
    int lines = 0;
    bool inLine = false;
    for (int y = area.top; y < area.bottom; ++y) {
        const bool bright = surface.CountBright(RECT{area.left, y, area.right, y + 1}, 128) > 0;
        if (bright && !inLine) {
            ++lines;
        }
        inLine = bright;
    }
    return lines;
}

TEST(ToolTipTest, SitsRightOfThePointerAndWrapsItsNoteInsideTheMargin) {
    LanguageTable texts;
    texts.Fill("EN");
    TipOwner owner;
    CDlgToolTip tip(texts, &owner);
    ASSERT_TRUE(tip.Create());
    EXPECT_FALSE(tip.IsWindowVisible());
    EXPECT_EQ(::GetWindow(tip.Hwnd(), GW_OWNER), owner.Hwnd());
    EXPECT_NE(tip.GetStyle() & WS_BORDER, 0u);
    EXPECT_NE(tip.GetStyle() & WS_POPUP, 0u);

    tip.ShowAt(POINT{100, 200});
    EXPECT_TRUE(tip.IsWindowVisible());
    const RECT window = tip.GetWindowRect();
    const RECT expected{120, 200, 300, 250};
    EXPECT_TRUE(::EqualRect(&window, &expected))
        << window.left << "," << window.top << "," << window.right << "," << window.bottom;

    const RECT client = tip.GetClientRect();
    PixelSurface surface(client.right, client.bottom);
    surface.Fill(RGB(0, 255, 0));
    tip.Draw(surface.Dc(), client);
    // Black everywhere but the text; the text stays 5 pixels inside every edge.
    EXPECT_EQ(surface.Pixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(surface.Pixel(client.right - 1, client.bottom - 1), RGB(0, 0, 0));
    const int inside = surface.CountBright(RECT{5, 5, client.right - 5, client.bottom - 5}, 128);
    const int everywhere = surface.CountBright(client, 128);
    EXPECT_GT(inside, 50);
    EXPECT_EQ(everywhere, inside);
    // The note is longer than one line of 12-pixel text in 168 pixels: it wraps.
    EXPECT_GE(TextLines(surface, client), 2);

    // The dialog background request: white text on black, and a white brush.
    PixelSurface colours(4, 4);
    const auto brush = reinterpret_cast<HBRUSH>(tip.SendMessage(
        WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(colours.Dc()), reinterpret_cast<LPARAM>(tip.Hwnd())));
    EXPECT_EQ(brush, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(::GetTextColor(colours.Dc()), RGB(255, 255, 255));
    EXPECT_EQ(::GetBkColor(colours.Dc()), RGB(0, 0, 0));

    EXPECT_TRUE(tip.DestroyWindow());
    EXPECT_EQ(tip.Hwnd(), nullptr);
}

TEST(ToolTipTest, UsesTwelvePixelTextInTheFaceOfItsLanguage) {
    struct Case {
        const char* code;
        const wchar_t* face;
    };
    const Case cases[] = {{"EN", L"Arial"},
                          {"DE", L"Arial"},
                          {"CHS", L"\x9ED1\x4F53"},
                          {"CHT", L"\x9ED1\x4F53"},
                          {"JP", L"Arial"}};
    TipOwner owner;
    for (const Case& c : cases) {
        LanguageTable texts;
        texts.Fill(c.code);
        CDlgToolTip tip(texts, &owner);
        ASSERT_TRUE(tip.Create()) << c.code;
        LOGFONTW font{};
        ASSERT_NE(tip.Font(), nullptr);
        ::GetObjectW(tip.Font(), sizeof font, &font);
        EXPECT_EQ(font.lfHeight, 12) << c.code;
        EXPECT_EQ(std::wstring(font.lfFaceName), c.face) << c.code;
    }
}

} // namespace
} // namespace corvalith
