#include "skin/win/SkinImages.h"
#include "win/framework/RecordingWindow.h"
#include "win/skin/SkinTestFiles.h"
#include "win/support/TestSkinFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace corvalith {
namespace {

std::vector<int> Bgr(int blue, int green, int red) {
    return {blue, green, red};
}

bool WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const HANDLE file = ::CreateFileW(WideString::FromUtf8(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const bool ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    ::CloseHandle(file);
    return ok;
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

TEST_F(SkinImagesTest, DrawingTheSameImageAgainGivesTheSamePixels) {
    // Half-transparent white and a quarter-opaque red: a second draw must not premultiply them again.
    ASSERT_TRUE(
        test::WritePng(test::ScratchFolder() + "again.png", 2, 1, true, {255, 255, 255, 128, 0, 0, 255, 64}));
    std::optional<SkinImage> loaded = images_.LoadImage("again.png");
    ASSERT_TRUE(loaded.has_value());
    SkinImage background;
    ASSERT_TRUE(images_.LoadBackground(nullptr, "again.png", background));
    struct Case {
        const char* name;
        std::function<bool(HDC)> draw;
    };
    const Case cases[] = {
        {"the file", [&](HDC dc) { return images_.DrawImageFile(dc, "again.png", 0, 0); }},
        {"a loaded image", [&](HDC dc) { return SkinImages::DrawImage(dc, *loaded, 0, 0); }},
        {"a kept background", [&](HDC dc) { return SkinImages::DrawImage(dc, background, 0, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::vector<int>> rounds[3];
        for (auto& round : rounds) {
            test::TestSurface surface(2, 1, 200, 150, 100);
            EXPECT_TRUE(c.draw(surface.Dc()));
            round = {surface.Pixel(0, 0), surface.Pixel(1, 0)};
        }
        // 128 + 200 * 127 / 255 and so on, as the first draw blends it.
        EXPECT_TRUE(
            Near(rounds[0][0], Bgr(128 + 200 * 127 / 255, 128 + 150 * 127 / 255, 128 + 100 * 127 / 255)));
        EXPECT_TRUE(Near(rounds[0][1], Bgr(200 * 191 / 255, 150 * 191 / 255, 64 + 100 * 191 / 255)));
        EXPECT_EQ(rounds[1], rounds[0]);
        EXPECT_EQ(rounds[2], rounds[0]);
    }
    // The image handed out keeps its straight pixels.
    EXPECT_EQ(std::vector<int>(loaded->PixelAt(0, 0).begin(), loaded->PixelAt(0, 0).end()),
              (std::vector<int>{255, 255, 255, 128}));
}

TEST_F(SkinImagesTest, AFileIsDecodedOnceHoweverItIsAskedFor) {
    ASSERT_TRUE(
        test::WritePng(test::ScratchFolder() + "once.png", 3, 2, true, std::vector<std::uint8_t>(24, 90)));
    ::DeleteFileW(WideString::FromUtf8(test::ScratchFolder() + "gone.png").c_str());
    test::TestSurface surface(4, 4, 0, 0, 0);
    const HDC dc = surface.Dc();
    struct Case {
        const char* name;
        std::function<void(const SkinImages&)> use;
        int decodes;
    };
    const Case cases[] = {
        {"sizes come from the header",
         [](const SkinImages& s) {
             s.SizeOf("once.png");
             s.SizeOf("once.png");
         },
         0},
        {"draws, sizes and lookups",
         [&](const SkinImages& s) {
             s.SizeOf("once.png");
             for (int i = 0; i < 3; ++i) {
                 s.DrawImageFile(dc, "once.png", 0, 0);
             }
             s.SizeOf("once.png");
             s.Image("once.png");
         },
         1},
        {"every spelling of the path",
         [&](const SkinImages& s) {
             for (const char* path : {"once.png", "\\ONCE.PNG", "./Once.png", "//once.png"}) {
                 s.DrawImageFile(dc, path, 0, 0);
             }
         },
         1},
        {"straight pixels announced before the first draw",
         [&](const SkinImages& s) {
             s.KeepStraight("once.png");
             s.DrawImageFile(dc, "once.png", 0, 0);
             s.StraightImage("once.png");
             s.LoadImage("once.png");
             s.Image("once.png");
         },
         1},
        {"straight pixels first",
         [&](const SkinImages& s) {
             s.LoadImage("once.png");
             s.DrawImageFile(dc, "once.png", 0, 0);
             s.StraightImage("once.png");
         },
         1},
        {"a missing file is tried once",
         [&](const SkinImages& s) {
             s.DrawImageFile(dc, "gone.png", 0, 0);
             s.DrawImageFile(dc, "gone.png", 0, 0);
             s.Image("gone.png");
             s.LoadImage("gone.png");
             s.SizeOf("gone.png");
         },
         1},
        {"a missing file is not decoded for its size", [](const SkinImages& s) { s.SizeOf("gone.png"); }, 0},
    };
    for (const Case& c : cases) {
        const SkinImages images(test::ScratchFolder());
        c.use(images);
        EXPECT_EQ(images.DecodeCount(), c.decodes) << c.name;
    }
}

TEST_F(SkinImagesTest, TheDrawingFormIsPremultipliedAndTheStraightFormIsAsDecoded) {
    // Half-transparent white, then opaque blue; and two pixels without alpha, which are held with alpha 255
    // in one image for both uses.
    ASSERT_TRUE(test::WritePng(test::ScratchFolder() + "forms.png", 2, 1, true,
                               {255, 255, 255, 128, 200, 0, 0, 255}));
    ASSERT_TRUE(
        test::WritePng(test::ScratchFolder() + "opaque-forms.png", 2, 1, false, {1, 2, 3, 250, 251, 252}));
    using Pixels = std::vector<std::vector<int>>;
    struct Case {
        const char* name;
        const char* file;
        bool announce; // KeepStraight before anything else
        bool drawFirst;
        int decodes;
        bool alpha;
        Pixels drawing; // blue, green, red, alpha of both pixels: 32 bits per pixel
        Pixels straight;
    };
    const Pixels alphaDrawing{{128, 128, 128, 128}, {200, 0, 0, 255}};
    const Pixels alphaStraight{{255, 255, 255, 128}, {200, 0, 0, 255}};
    const Pixels opaqueDrawing{{1, 2, 3, 255}, {250, 251, 252, 255}};
    const Case cases[] = {
        {"announced, drawn first", "forms.png", true, true, 1, true, alphaDrawing, alphaStraight},
        {"straight pixels asked first", "forms.png", false, false, 1, true, alphaDrawing, alphaStraight},
        // Drawing first gave the only copy to the drawing form; the straight pixels need a second decode.
        {"not announced, drawn first", "forms.png", false, true, 2, true, alphaDrawing, alphaStraight},
        {"no alpha, announced, drawn first", "opaque-forms.png", true, true, 1, false, opaqueDrawing,
         opaqueDrawing},
        {"no alpha, straight pixels first", "opaque-forms.png", false, false, 1, false, opaqueDrawing,
         opaqueDrawing},
        {"no alpha, drawn first", "opaque-forms.png", false, true, 1, false, opaqueDrawing, opaqueDrawing},
    };
    const auto pixels = [](const SkinImage* image) {
        Pixels all;
        for (int x = 0; x < 2; ++x) {
            all.emplace_back(image->PixelAt(x, 0).begin(), image->PixelAt(x, 0).end());
        }
        return all;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SkinImages images(test::ScratchFolder());
        if (c.announce) {
            images.KeepStraight(c.file);
        }
        const SkinImage* drawing = c.drawFirst ? images.Image(c.file) : nullptr;
        const SkinImage* straight = images.StraightImage(c.file);
        if (!c.drawFirst) {
            drawing = images.Image(c.file);
        }
        ASSERT_NE(drawing, nullptr);
        ASSERT_NE(straight, nullptr);
        EXPECT_EQ(drawing->HasAlpha(), c.alpha);
        EXPECT_EQ(drawing->IsPremultiplied(), c.alpha);
        EXPECT_EQ(pixels(drawing), c.drawing);
        EXPECT_EQ(straight->HasAlpha(), c.alpha);
        EXPECT_FALSE(straight->IsPremultiplied());
        EXPECT_EQ(pixels(straight), c.straight);
        EXPECT_EQ(images.DecodeCount(), c.decodes);
    }
}

TEST_F(SkinImagesTest, AKeptImageStillDrawsAfterItsFileIsGone) {
    const std::string path = test::ScratchFolder() + "removed.png";
    ASSERT_TRUE(test::WritePng(path, 2, 2, false, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    test::TestSurface first(2, 2, 0, 0, 0);
    ASSERT_TRUE(images_.DrawImageFile(first.Dc(), "removed.png", 0, 0));
    ASSERT_TRUE(::DeleteFileW(WideString::FromUtf8(path).c_str()));

    test::TestSurface second(2, 2, 0, 0, 0);
    EXPECT_TRUE(images_.DrawImageFile(second.Dc(), "removed.png", 0, 0));
    EXPECT_EQ(second.Pixel(0, 0), Bgr(1, 2, 3));
    EXPECT_EQ(second.Pixel(1, 1), Bgr(10, 11, 12));
    EXPECT_EQ(images_.SizeOf("removed.png").cx, 2);
    EXPECT_EQ(images_.DecodeCount(), 1);
}

TEST(SkinImageSizesTest, SizesComeFromTheHeaderAndOtherwiseFromTheDecoder) {
    test::TestSkinFolder folder;
    // A PNG (header), a Windows bitmap under a PNG name (the decoder reads it, the header cannot), a PNG
    // cut after its size (the header tells; the image itself cannot be decoded), a PNG cut before its
    // size (neither can) and no file at all.
    const SkinImages writer(folder.ProgramFolder()); // GDI+ for the PNG encoder
    ASSERT_TRUE(
        test::WritePng(folder.ProgramFolder() + "whole.png", 7, 5, true, std::vector<std::uint8_t>(140, 1)));
    ASSERT_TRUE(folder.WriteImage("bitmap.png", 6, 4, RGB(1, 2, 3)));
    const std::vector<std::uint8_t> cutAfterSize{0x89, 'P',  'N',  'G', 0x0D, 0x0A, 0x1A, 0x0A, 0,
                                                 0,    0,    0x0D, 'I', 'H',  'D',  'R',  0,    0,
                                                 0,    0x0B, 0,    0,   0,    0x09, 8,    6};
    ASSERT_TRUE(WriteBytes(folder.ProgramFolder() + "cut-after.png", cutAfterSize));
    ASSERT_TRUE(WriteBytes(folder.ProgramFolder() + "cut-before.png",
                           std::vector<std::uint8_t>(cutAfterSize.begin(), cutAfterSize.begin() + 20)));
    struct Case {
        const char* path;
        LONG width;
        LONG height;
        int decodes;
    };
    const Case cases[] = {
        {"whole.png", 7, 5, 0},      {"bitmap.png", 6, 4, 1},  {"cut-after.png", 11, 9, 0},
        {"cut-before.png", 0, 0, 1}, {"missing.png", 0, 0, 0},
    };
    for (const Case& c : cases) {
        const SkinImages images(folder.ProgramFolder());
        const SIZE size = images.SizeOf(c.path);
        EXPECT_EQ(size.cx, c.width) << c.path;
        EXPECT_EQ(size.cy, c.height) << c.path;
        EXPECT_EQ(images.DecodeCount(), c.decodes) << c.path;
    }
    for (const char* file : {"whole.png", "cut-after.png", "cut-before.png"}) {
        ::DeleteFileW(WideString::FromUtf8(folder.ProgramFolder() + file).c_str());
    }
}

TEST_F(SkinImagesTest, ImagesWithoutAlphaAreCopiedOpaquely) {
    ASSERT_TRUE(test::WritePng(test::ScratchFolder() + "opaque.png", 2, 1, false, {1, 2, 3, 250, 251, 252}));
    const std::optional<SkinImage> loaded = images_.LoadImage("opaque.png");
    ASSERT_TRUE(loaded.has_value());
    EXPECT_FALSE(loaded->HasAlpha());

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
    EXPECT_EQ(images_.SizeOf("no-such-file.png").cx, 0);
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
