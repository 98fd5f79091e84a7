#include "skin/win/ImagePart.h"

#include "framework/WorldScale.h"
#include "skin/win/SkinImages.h"
#include "win/skin/SkinTestFiles.h"
#include "win/support/PixelSurface.h"
#include "win/support/TestSkinFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace corvalith {
namespace {

// Pixels of one colour as blue, green, red[, alpha] rows.
std::vector<std::uint8_t> OneColour(int width, int height, COLORREF colour, bool alpha) {
    std::vector<std::uint8_t> pixels;
    for (int i = 0; i < width * height; ++i) {
        pixels.insert(pixels.end(), {GetBValue(colour), GetGValue(colour), GetRValue(colour)});
        if (alpha) {
            pixels.push_back(128);
        }
    }
    return pixels;
}

// A part of a button's state image at 200 % is cut from the 2x art set's file, with or without alpha,
// and copied pixel for pixel: the part 10,0 to 20,10 of a 20 x 10 file lands on 20 x 20 monitor pixels
// of the 2x file's colour.
TEST(ImagePart, AtTwiceTheScaleCopiesItsPartOfTheTwoTimesArt) {
    constexpr COLORREF kOneX = RGB(10, 90, 30);
    constexpr COLORREF kTwoX = RGB(200, 40, 70);
    for (const bool alpha : {false, true}) {
        test::TestSkinFolder folder;
        SkinImages skins(folder.ProgramFolder()); // starts the image coder the files are written with
        ASSERT_TRUE(folder.WriteImage("Skins/state.png", 20, 10, kOneX)); // makes the folders
        ASSERT_TRUE(folder.WriteImage("Skins200/state.png", 40, 20, kTwoX));
        ASSERT_TRUE(test::WritePng(folder.ProgramFolder() + "Skins\\state.png", 20, 10, alpha,
                                   OneColour(20, 10, kOneX, alpha)));
        ASSERT_TRUE(test::WritePng(folder.ProgramFolder() + "Skins200\\state.png", 40, 20, alpha,
                                   OneColour(40, 20, kTwoX, alpha)));
        skins.SetArtSet(200);
        ImagePart part;
        part.Defer(skins, "Skins/state.png", RECT{10, 0, 20, 10});
        part.Resolve();
        test::PixelSurface surface(30, 30);
        surface.Fill(RGB(255, 255, 255));
        WorldScale::Apply(surface.Dc(), DisplayScale(192));
        part.CopyTo(surface.Dc(), 0, 0, 10, 10);
        EXPECT_EQ(surface.Pixel(0, 0), kTwoX) << alpha;
        EXPECT_EQ(surface.Pixel(19, 19), kTwoX) << alpha;
        EXPECT_EQ(surface.Pixel(20, 20), RGB(255, 255, 255)) << alpha;
    }
}

} // namespace
} // namespace corvalith
