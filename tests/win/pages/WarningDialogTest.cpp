#include "lang/LanguageTable.h"
#include "pages/win/CDlgWarning.h"
#include "skin/SkinFileNames.h"
#include "skin/win/SkinImages.h"
#include "win/support/ModalScript.h"
#include "win/support/PixelSurface.h"
#include "win/support/TestSkinFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace corvalith {
namespace {

using test::Click;
using test::ModalScript;
using test::PixelSurface;
using test::TestSkinFolder;

constexpr COLORREF kBackground = RGB(20, 30, 60);
constexpr COLORREF kOptionNormal = RGB(200, 0, 0);
constexpr COLORREF kOptionDown = RGB(0, 200, 0);

// The notice's images, the background 330 x 170.
void WriteWarningSkin(TestSkinFolder& folder) {
    ASSERT_TRUE(folder.WriteImage(SkinFileNames::InSkins(SkinFileNames::kWarning), 330, 170, kBackground));
    ASSERT_TRUE(folder.WriteImage(SkinFileNames::InSkins(SkinFileNames::kWarningButtonNormal), 85, 22,
                                  RGB(90, 90, 90)));
    ASSERT_TRUE(folder.WriteImage(SkinFileNames::InSkins(SkinFileNames::kWarningButtonDown), 85, 22,
                                  RGB(60, 60, 60)));
    ASSERT_TRUE(folder.WriteImage(SkinFileNames::InSkins(SkinFileNames::kWarningCloseNormal), 14, 13,
                                  RGB(0, 0, 200)));
    ASSERT_TRUE(
        folder.WriteImage(SkinFileNames::InSkins(SkinFileNames::kWarningCloseDown), 14, 13, RGB(0, 0, 100)));
    ASSERT_TRUE(folder.WriteImage(SkinFileNames::InSkins(SkinFileNames::kWarningOptionNormal), 14, 13,
                                  kOptionNormal));
    ASSERT_TRUE(
        folder.WriteImage(SkinFileNames::InSkins(SkinFileNames::kWarningOptionDown), 14, 13, kOptionDown));
}

RECT WorkArea() {
    RECT area{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

enum class Control { On, Off, Ok, Cancel, Close };

HWND HandleOf(CDlgWarning& dialog, Control control) {
    switch (control) {
    case Control::On:
        return dialog.OnButton().Hwnd();
    case Control::Off:
        return dialog.OffButton().Hwnd();
    case Control::Ok:
        return dialog.OkButton().Hwnd();
    case Control::Cancel:
        return dialog.CancelButton().Hwnd();
    case Control::Close:
        break;
    }
    return dialog.CloseButton().Hwnd();
}

class WarningDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteWarningSkin(folder);
        texts.Fill("EN");
    }

    TestSkinFolder folder;
    LanguageTable texts;
};

TEST_F(WarningDialogTest, AnswersAsTheUserClicks) {
    struct Case {
        const char* name;
        std::vector<Control> clicks; // the last one closes the notice
        INT_PTR result;
        int choice;
        bool liftOffOn;
    };
    const Case cases[] = {
        {"ON and OK", {Control::On, Control::Ok}, IDOK, 1, true},
        {"OK at once", {Control::Ok}, IDOK, 0, false},
        {"OFF and OK", {Control::Off, Control::Ok}, IDOK, 0, false},
        {"ON, OFF and OK", {Control::On, Control::Off, Control::Ok}, IDOK, 0, false},
        {"ON and Cancel", {Control::On, Control::Cancel}, IDCANCEL, 1, false},
        {"ON and the close button", {Control::On, Control::Close}, IDCANCEL, 1, false},
        {"the close button at once", {Control::Close}, IDCANCEL, 0, false},
    };
    SkinImages skins(folder.ProgramFolder());
    for (const Case& c : cases) {
        CDlgWarning dialog(skins, texts);
        std::vector<std::function<void()>> steps;
        for (Control control : c.clicks) {
            steps.push_back([&dialog, control] { Click(HandleOf(dialog, control)); });
        }
        ModalScript script(steps);
        EXPECT_EQ(dialog.DoModal(), c.result) << c.name;
        EXPECT_TRUE(script.Finished()) << c.name;
        EXPECT_EQ(dialog.Choice(), c.choice) << c.name;
        EXPECT_EQ(dialog.TurnsLiftOffOn(), c.liftOffOn) << c.name;
        EXPECT_EQ(dialog.Hwnd(), nullptr) << c.name;
    }
}

TEST_F(WarningDialogTest, OpensCentredAtItsBackgroundsSizeWithOffMarkedAndItsControlsInPlace) {
    SkinImages skins(folder.ProgramFolder());
    CDlgWarning dialog(skins, texts);
    bool checked = false;
    ModalScript script({
        [&] {
            // The English message takes more than the three lines above the options' first place:
            // they follow it, the buttons follow them, and the window grows to hold the buttons.
            const WarningLayout& layout = dialog.Layout();
            const int onTop = layout.OnOption().Top;
            EXPECT_GT(onTop, 85);
            EXPECT_EQ(layout.Message().Top, 39);
            EXPECT_EQ(onTop, layout.Message().Bottom + 6);
            const int okTop = std::max(170 - 32, onTop + 18 + 12 + 13);
            const int height = std::max(170, okTop + 22 + 10);
            const RECT window = dialog.GetWindowRect();
            EXPECT_EQ(window.right - window.left, 330);
            EXPECT_EQ(window.bottom - window.top, height);
            const RECT area = WorkArea();
            EXPECT_EQ(window.left, area.left + (area.right - area.left - 330) / 2);
            EXPECT_EQ(window.top, area.top + (area.bottom - area.top - height) / 2);
            EXPECT_TRUE(dialog.HasBackground());

            struct Place {
                Control control;
                RECT rect;
            };
            const Place places[] = {
                {Control::On, {56, onTop, 68, onTop + 12}},
                {Control::Off, {56, onTop + 18, 68, onTop + 30}},
                {Control::Ok, {197, okTop, 250, okTop + 22}},
                {Control::Cancel, {255, okTop, 308, okTop + 22}},
                {Control::Close, {300, 5, 314, 18}},
            };
            for (const Place& place : places) {
                RECT rect{};
                const HWND control = HandleOf(dialog, place.control);
                ::GetWindowRect(control, &rect);
                ::MapWindowPoints(HWND_DESKTOP, dialog.Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
                EXPECT_TRUE(::EqualRect(&rect, &place.rect))
                    << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
                EXPECT_TRUE(::IsWindowVisible(control));
            }
            EXPECT_EQ(dialog.OkButton().GetCaption(), L"OK");
            EXPECT_EQ(dialog.CancelButton().GetCaption(), L"Cancel");
            EXPECT_EQ(dialog.CloseButton().GetCaption(), L"");
            // "OFF" shows its pressed look, "ON" its normal one.
            EXPECT_TRUE(dialog.OffButton().IsChecked());
            EXPECT_FALSE(dialog.OnButton().IsChecked());
            EXPECT_EQ(dialog.OffButton().CurrentImage(), ImageButtonLook::Image::Pressed);
            EXPECT_EQ(dialog.OnButton().CurrentImage(), ImageButtonLook::Image::Normal);
            Click(dialog.OnButton().Hwnd());
        },
        [&] {
            EXPECT_TRUE(dialog.OnButton().IsChecked());
            EXPECT_FALSE(dialog.OffButton().IsChecked());
            checked = true;
            Click(dialog.CancelButton().Hwnd());
        },
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(checked);
}

TEST_F(WarningDialogTest, PaintsTheBackgroundAndTheWhiteTexts) {
    SkinImages skins(folder.ProgramFolder());
    CDlgWarning dialog(skins, texts);
    ModalScript script({[&] {
        PixelSurface surface(330, 170);
        dialog.Draw(surface.Dc());
        // Background where nothing is written.
        EXPECT_EQ(surface.Pixel(2, 2), kBackground);
        EXPECT_EQ(surface.Pixel(320, 160), kBackground);
        EXPECT_EQ(surface.Pixel(150, 30), kBackground);
        // "Note" at 10, 5; the message from 56, 39 wrapped within its 240 pixels; "ON" and "OFF".
        EXPECT_GT(surface.CountBright(RECT{10, 5, 50, 25}), 10);
        EXPECT_GT(surface.CountBright(RECT{56, 39, 296, 55}), 30);
        EXPECT_GT(surface.CountBright(RECT{56, 55, 296, 71}), 30); // a second line
        EXPECT_EQ(surface.CountBright(RECT{296, 39, 330, 124}), 0);
        const Point on = dialog.Layout().OnCaption();
        const Point off = dialog.Layout().OffCaption();
        EXPECT_GT(surface.CountBright(RECT{on.X, on.Y, on.X + 24, on.Y + 15}), 5);
        EXPECT_GT(surface.CountBright(RECT{off.X, off.Y, off.X + 34, off.Y + 15}), 5);
        Click(dialog.OkButton().Hwnd());
    }});
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

// However long the message is in the user's language and font, it ends above the options.
TEST_F(WarningDialogTest, TheMessageNeverRunsUnderTheOptions) {
    for (const char* code : {"EN", "DE", "CHS", "CHT"}) {
        texts.Fill(code);
        SkinImages skins(folder.ProgramFolder());
        CDlgWarning dialog(skins, texts);
        ModalScript script({[&] {
            const WarningLayout& layout = dialog.Layout();
            PixelSurface surface(layout.Width(), layout.Height());
            dialog.Draw(surface.Dc());
            const int top = layout.OnOption().Top - 2;
            // Left of the option captions, and right of them up to the message's right edge: no text
            // from the option rows down to the buttons.
            EXPECT_EQ(surface.CountBright(RECT{56, top, 74, layout.Ok().Top}), 0) << code;
            EXPECT_EQ(surface.CountBright(RECT{120, top, 296, layout.Ok().Top}), 0) << code;
            EXPECT_GT(surface.CountBright(RECT{56, 39, 296, top}), 30) << code;
            Click(dialog.CancelButton().Hwnd());
        }});
        EXPECT_EQ(dialog.DoModal(), IDCANCEL) << code;
    }
}

TEST_F(WarningDialogTest, EnterEscapeSpaceAndF1DoNothing) {
    SkinImages skins(folder.ProgramFolder());
    CDlgWarning dialog(skins, texts);
    bool stillOpen = false;
    ModalScript script({
        [&] {
            for (const UINT key : {UINT{VK_RETURN}, UINT{VK_ESCAPE}, UINT{VK_SPACE}, UINT{VK_F1}}) {
                for (const HWND target :
                     {dialog.Hwnd(), dialog.OkButton().Hwnd(), dialog.OnButton().Hwnd()}) {
                    ::PostMessageW(target, WM_KEYDOWN, key, 1);
                    ::PostMessageW(target, WM_KEYUP, key, 0xC0000001);
                }
            }
        },
        [&] {
            stillOpen = ::IsWindowVisible(dialog.Hwnd()) != FALSE;
            EXPECT_EQ(dialog.Choice(), 0);
            Click(dialog.OnButton().Hwnd());
            Click(dialog.OkButton().Hwnd());
        },
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(dialog.TurnsLiftOffOn());
}

TEST_F(WarningDialogTest, UsesTheFontOfItsLanguage) {
    struct Case {
        const char* code;
        LONG height;
        const wchar_t* face;
        int captionHeight;
    };
    const Case cases[] = {
        {"EN", 14, L"Arial", 14},
        {"DE", 14, L"Arial", 14},
        {"CHS", 13, L"\x9ED1\x4F53", 12}, // 黑体
        {"JP", 13, L"\x9ED1\x4F53", 12},
    };
    SkinImages skins(folder.ProgramFolder());
    for (const Case& c : cases) {
        LanguageTable table;
        table.Fill(c.code);
        CDlgWarning dialog(skins, table);
        LOGFONTW font{};
        ModalScript script({[&] {
            ASSERT_NE(dialog.Font(), nullptr);
            ::GetObjectW(dialog.Font(), sizeof font, &font);
            Click(dialog.CloseButton().Hwnd());
        }});
        EXPECT_EQ(dialog.DoModal(), IDCANCEL) << c.code;
        EXPECT_EQ(font.lfHeight, c.height) << c.code;
        EXPECT_EQ(font.lfWeight, 500) << c.code;
        EXPECT_EQ(font.lfPitchAndFamily, 0x20) << c.code;
        EXPECT_EQ(std::wstring(font.lfFaceName), c.face) << c.code;
    }
}

TEST(WarningDialogWithoutSkin, CanStillBeSeenAndAnswered) {
    TestSkinFolder empty;
    SkinImages skins(empty.ProgramFolder());
    LanguageTable texts;
    texts.Fill("EN");
    CDlgWarning dialog(skins, texts);
    RECT window{};
    COLORREF fill = CLR_INVALID;
    ModalScript script({
        [&] {
            window = dialog.GetWindowRect();
            PixelSurface surface(320, 200);
            dialog.Draw(surface.Dc());
            fill = surface.Pixel(2, 150);
            Click(dialog.OnButton().Hwnd());
        },
        [&] { Click(dialog.OkButton().Hwnd()); },
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_FALSE(dialog.HasBackground());
    EXPECT_EQ(window.right - window.left, 320);
    EXPECT_GE(window.bottom - window.top, 200);
    EXPECT_EQ(window.bottom - window.top, dialog.Layout().Height());
    EXPECT_EQ(fill, RGB(111, 41, 41));
    EXPECT_TRUE(dialog.TurnsLiftOffOn());
}

} // namespace
} // namespace corvalith
