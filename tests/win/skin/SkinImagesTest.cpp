#include "skin/win/SkinImages.h"
#include "win/framework/RecordingWindow.h"
#include "win/skin/SkinTestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace corvalith {
namespace {

std::vector<int> Bgr(int blue, int green, int red) {
    return {blue, green, red};
}

bool Near(const std::vector<int>& got, const std::vector<int>& want) {
    for (std::size_t i = 0; i < want.size(); ++i) {
        if (std::abs(got[i] - want[i]) > 2) {
            return false;
        }
    }
    return true;
}

class SkinImagesTest : public testing::Test {
protected:
    SkinImagesTest() : images_(test::ScratchFolder()) {}
    SkinImages images_;
};

TEST_F(SkinImagesTest, AlphaImagesArePremultipliedAndBlendedOverTheSurface) {
    // Four pixels: half-transparent white, fully transparent, opaque, a quarter-opaque red.
    ASSERT_TRUE(test::WritePng(test::ScratchFolder() + "alpha.png", 4, 1, true,
                               {255, 255, 255, 128, 10, 20, 30, 0, 10, 20, 30, 255, 0, 0, 255, 64}));
    const std::optional<SkinImage> loaded = images_.LoadImage("alpha.png");
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->BitsPerPixel(), 32);
    // Loading keeps straight alpha: image buttons copy these pixels as they are.
    EXPECT_EQ(std::vector<int>(loaded->PixelAt(0, 0).begin(), loaded->PixelAt(0, 0).end()),
              (std::vector<int>{255, 255, 255, 128}));

    test::TestSurface surface(6, 3, 200, 150, 100);
    EXPECT_TRUE(images_.DrawImageFile(surface.Dc(), "alpha.png", 1, 1));
    struct Case {
        int x;
        std::vector<int> expected; // blue, green, red
    };
    const Case cases[] = {
        {0, Bgr(200, 150, 100)}, // left of the image: untouched
        // 128 premultiplied, plus the surface times (255 - 128) / 255.
        {1, Bgr(128 + 200 * 127 / 255, 128 + 150 * 127 / 255, 128 + 100 * 127 / 255)},
        {2, Bgr(200, 150, 100)}, // fully transparent: unchanged
        {3, Bgr(10, 20, 30)},    // opaque: the image's own colour
        // Red 255 at alpha 64 becomes 64; the surface keeps (255 - 64) / 255 of itself.
        {4, Bgr(200 * 191 / 255, 150 * 191 / 255, 64 + 100 * 191 / 255)},
        {5, Bgr(200, 150, 100)},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(Near(surface.Pixel(c.x, 1), c.expected))
            << "x " << c.x << ": " << surface.Pixel(c.x, 1)[0] << "," << surface.Pixel(c.x, 1)[1] << ","
            << surface.Pixel(c.x, 1)[2];
    }
    EXPECT_EQ(surface.Pixel(1, 0), Bgr(200, 150, 100)); // the row above is untouched
}

TEST_F(SkinImagesTest, ImagesWithoutAlphaAreCopiedOpaquely) {
    ASSERT_TRUE(test::WritePng(test::ScratchFolder() + "opaque.png", 2, 1, false, {1, 2, 3, 250, 251, 252}));
    const std::optional<SkinImage> loaded = images_.LoadImage("opaque.png");
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->BitsPerPixel(), 24);

    test::TestSurface surface(3, 1, 90, 90, 90);
    EXPECT_TRUE(images_.DrawImageFile(surface.Dc(), "opaque.png", 0, 0));
    EXPECT_EQ(surface.Pixel(0, 0), Bgr(1, 2, 3));
    EXPECT_EQ(surface.Pixel(1, 0), Bgr(250, 251, 252));
    EXPECT_EQ(surface.Pixel(2, 0), Bgr(90, 90, 90));
}

TEST_F(SkinImagesTest, MissingFilesAndMissingSurfacesDrawNothing) {
    ASSERT_TRUE(test::WritePng(test::ScratchFolder() + "dot.png", 1, 1, true, {0, 0, 255, 255}));
    test::TestSurface surface(2, 2, 7, 8, 9);
    struct Case {
        HDC dc;
        const char* path;
        bool drawn;
    };
    const Case cases[] = {
        {nullptr, "dot.png", false},
        {surface.Dc(), "no-such-file.png", false},
        {surface.Dc(), "", false},
        {surface.Dc(), "dot.png", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(images_.DrawImageFile(c.dc, c.path, 1, 1), c.drawn) << c.path;
    }
    EXPECT_EQ(surface.Pixel(0, 0), Bgr(7, 8, 9));
    EXPECT_EQ(surface.Pixel(1, 1), Bgr(0, 0, 255));
    EXPECT_FALSE(images_.LoadImage("no-such-file.png").has_value());
    EXPECT_EQ(images_.ImageSize("no-such-file.png").cx, 0);
}

TEST_F(SkinImagesTest, ABackgroundSizesItsWindowWithoutMovingIt) {
    ASSERT_TRUE(test::WritePng(test::ScratchFolder() + "background.png", 37, 23, false,
                               std::vector<std::uint8_t>(37 * 23 * 3, 40)));
    test::RecordingWindow window({});
    ASSERT_TRUE(window.CreateTopLevel(RECT{120, 130, 220, 230}));

    SkinImage kept;
    EXPECT_FALSE(images_.LoadBackground(window.Hwnd(), "missing-background.png", kept));
    EXPECT_EQ(kept.Bitmap(), nullptr);
    RECT rect = window.GetWindowRect();
    EXPECT_EQ(rect.right - rect.left, 100);

    EXPECT_TRUE(images_.LoadBackground(window.Hwnd(), "background.png", kept));
    EXPECT_NE(kept.Bitmap(), nullptr);
    EXPECT_EQ(kept.Width(), 37);
    rect = window.GetWindowRect();
    EXPECT_EQ(rect.left, 120);
    EXPECT_EQ(rect.top, 130);
    EXPECT_EQ(rect.right - rect.left, 37);
    EXPECT_EQ(rect.bottom - rect.top, 23);
}

} // namespace
} // namespace corvalith
