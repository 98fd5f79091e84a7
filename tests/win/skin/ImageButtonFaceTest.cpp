#include "skin/win/ImageButtonFace.h"
#include "framework/UiFont.h"
#include "framework/Win32Rect.h"
#include "skin/ImageButtonLook.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace corvalith {
namespace {

// The width of a text in the caption face at a height.
int WidthOf(HDC dc, const std::wstring& text, int height) {
    const HFONT font = CreateUiFont({.Face = L"Arial",
                                     .Height = height,
                                     .Weight = 550,
                                     .PitchAndFamily = FF_MODERN,
                                     .Quality = CLEARTYPE_QUALITY});
    const HGDIOBJ previous = ::SelectObject(dc, font);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc, previous);
    ::DeleteObject(font);
    return size.cx;
}

TEST(ImageButtonFace, ACaptionTooWideForItsPlaceIsDrawnSmallerInsteadOfCut) {
    const HDC screen = ::GetDC(nullptr);
    const HDC dc = ::CreateCompatibleDC(screen);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 200, 40);
    const HGDIOBJ previous = ::SelectObject(dc, bitmap);
    struct Case {
        const wchar_t* caption;
        int width;
        bool smaller;
    };
    // The main window's view buttons are 60 pixels wide: the English captions fit, the German one does not.
    const Case cases[] = {
        {L"Side View", 62, false}, {L"Seitenansicht", 62, true}, {L"Zur\u00fccksetzen", 56, true}};
    for (const Case& c : cases) {
        ImageButtonFace face;
        face.SetFontFace(L"Arial");
        face.SetFontHeight(14);
        face.SetCaption(c.caption);
        const RECT box{0, 0, c.width, 26};
        face.Draw(dc, box, ImageButtonLook::State{}, true);
        const Rect place = ImageButtonLook::CaptionBox(FromRect(box), 1, 0);
        EXPECT_EQ(face.DrawnCaptionHeight() < 14, c.smaller) << c.width;
        EXPECT_LE(WidthOf(dc, c.caption, face.DrawnCaptionHeight()), place.Width()) << "fits whole";
        if (c.smaller) {
            EXPECT_GT(WidthOf(dc, c.caption, face.DrawnCaptionHeight() + 1), place.Width())
                << "the largest that fits";
        }
    }
    ::SelectObject(dc, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
}

} // namespace
} // namespace corvalith
