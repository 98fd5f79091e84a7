#include "skin/SkinFileNames.h"
#include "skin/win/SkinImages.h"
#include "win/skin/SkinTestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace corvalith {
namespace {

// What a skin file must be for the windows that use it.
struct Expected {
    std::string path; // relative to the Skins folder
    int width;
    int height;
    enum Kind {
        Opaque, // a background or a button image: copied as it is
        Alpha,  // drawn over other images with its alpha channel
    } kind;
};

// Sizes from the rectangles and positions the windows use. Backgrounds set their window's size;
// image buttons are cut to the size their owner gives; marks fill their toggle rectangles.
const Expected kFiles[] = {
    // Main window: a client area of 1000 x 645 that holds the panel at 735, 32 (260 x 561) and the Reset
    // button at 923, 604 - 980, 634.
    {std::string(SkinFileNames::kMain), 1000, 645, Expected::Opaque},
    {std::string(SkinFileNames::kMainLeft), 242, 488, Expected::Opaque}, // 20, 107 down to the footer
    {std::string(SkinFileNames::kMainMid), 472, 498, Expected::Opaque},  // the middle area 262, 2, 734, 500
    {std::string(SkinFileNames::kMainRight), 260, 563, Expected::Opaque},
    {std::string(SkinFileNames::kLogo), 242, 70, Expected::Alpha},
    {std::string(SkinFileNames::kMLogo), 180, 48, Expected::Alpha},
    {std::string(SkinFileNames::kItemBk), 242, 20, Expected::Opaque},
    {std::string(SkinFileNames::kItemBkLod), 242, 20, Expected::Opaque},
    {std::string(SkinFileNames::kLodHelp), 20, 20, Expected::Alpha},
    {std::string(SkinFileNames::kEnable), 10, 10, Expected::Alpha},
    {std::string(SkinFileNames::kDisable), 10, 10, Expected::Alpha},
    {std::string(SkinFileNames::kCancelNormal), 57, 30, Expected::Opaque},
    {std::string(SkinFileNames::kCancelOver), 57, 30, Expected::Opaque},
    {std::string(SkinFileNames::kCancelLeave), 57, 30, Expected::Opaque},
    {std::string(SkinFileNames::kSaveLeave), 57, 30, Expected::Opaque},
    {std::string(SkinFileNames::kCloseNormal), 15, 15, Expected::Opaque},
    {std::string(SkinFileNames::kCloseOver), 15, 15, Expected::Opaque},
    {std::string(SkinFileNames::kMinNormal), 15, 15, Expected::Opaque},
    {std::string(SkinFileNames::kMinOver), 15, 15, Expected::Opaque},
    {std::string(SkinFileNames::kHelpNormal), 15, 15, Expected::Opaque},
    {std::string(SkinFileNames::kHelpOver), 15, 15, Expected::Opaque},
    {std::string(SkinFileNames::kConfigNormal), 140, 30, Expected::Opaque},
    {std::string(SkinFileNames::kConfigOver), 140, 30, Expected::Opaque},
    {std::string(SkinFileNames::kConfigLeave), 140, 30, Expected::Opaque},
    {std::string(SkinFileNames::kMouseNormal), 62, 29, Expected::Opaque},
    {std::string(SkinFileNames::kMouseOver), 62, 29, Expected::Opaque},
    {std::string(SkinFileNames::kMouseLeave), 62, 29, Expected::Opaque},
    // Rows at 154 + 20k below header 1 (bottom 127), drop-downs 130 x 16.
    {std::string(SkinFileNames::kButtonAssignment), 242, 170, Expected::Opaque},
    {std::string(SkinFileNames::kDropdownNormal), 130, 16, Expected::Opaque},
    {std::string(SkinFileNames::kDropdownOver), 130, 16, Expected::Opaque},
    // Sliders 25 and 85 below header 3, the Y scale down to 117.
    {std::string(SkinFileNames::kXYSensitivity), 242, 125, Expected::Opaque},
    {std::string(SkinFileNames::kXYTrack), 208, 14, Expected::Opaque},
    {std::string(SkinFileNames::kXYTrackFilled), 208, 14, Expected::Opaque},
    {std::string(SkinFileNames::kLiftOff), 242, 75, Expected::Opaque},
    {std::string(SkinFileNames::kMouseFront), 200, 345, Expected::Alpha},
    {std::string(SkinFileNames::kMouseSide), 345, 140, Expected::Alpha},
    {std::string(SkinFileNames::kMouseBack), 170, 130, Expected::Alpha},
    // Advanced panel pages, 242 wide: each page's content reaches down to its last rectangle.
    {std::string(SkinFileNames::kDpiPage), 242, 232, Expected::Opaque}, // swatches end at 225
    {std::string(SkinFileNames::kDpiValue), 25, 11, Expected::Alpha},   // the value label 20, 182, 45, 193
    {std::string(SkinFileNames::kDpiTrack), 7, 170, Expected::Opaque},  // cut to 7 x 169
    {std::string(SkinFileNames::kDpiTrackFilled), 7, 170, Expected::Opaque},
    {std::string(SkinFileNames::kLightingPage), 242, 192, Expected::Opaque},    // swatches end at 183
    {std::string(SkinFileNames::kPadLightingPage), 242, 163, Expected::Opaque}, // swatches end at 154
    {std::string(SkinFileNames::kStageTrack), 130, 11, Expected::Opaque},       // cut from 1, 0 to 128, 11
    {std::string(SkinFileNames::kStageTrackFilled), 130, 11, Expected::Opaque},
    {std::string(SkinFileNames::kPollingPage), 242, 135, Expected::Opaque}, // dial 57, 5, 185, 128
    {SkinFileNames::PollingRate(1000), 128, 124, Expected::Alpha},
    {SkinFileNames::PollingRate(500), 128, 124, Expected::Alpha},
    {SkinFileNames::PollingRate(250), 128, 124, Expected::Alpha},
    {SkinFileNames::PollingRate(125), 128, 124, Expected::Alpha},
    {std::string(SkinFileNames::kPointerPage), 242, 112, Expected::Opaque}, // captions to 103
    {SkinFileNames::PointerSpeed(1), 143, 76, Expected::Alpha},             // centre 71, 71 of the image
    {SkinFileNames::PointerSpeed(2), 143, 76, Expected::Alpha},
    {SkinFileNames::PointerSpeed(3), 143, 76, Expected::Alpha},
    {SkinFileNames::PointerSpeed(4), 143, 76, Expected::Alpha},
    {SkinFileNames::PointerSpeed(5), 143, 76, Expected::Alpha},
    {SkinFileNames::PointerSpeed(6), 143, 76, Expected::Alpha},
    {SkinFileNames::PointerSpeed(7), 143, 76, Expected::Alpha},
    {SkinFileNames::PointerSpeed(8), 143, 76, Expected::Alpha},
    {SkinFileNames::PointerSpeed(9), 143, 76, Expected::Alpha},
    {SkinFileNames::PointerSpeed(10), 143, 76, Expected::Alpha},
    {SkinFileNames::PointerSpeed(11), 143, 76, Expected::Alpha},
    {std::string(SkinFileNames::kScrollPage), 242, 72, Expected::Opaque},
    {std::string(SkinFileNames::kScrollEnable), 11, 12,
     Expected::Alpha}, // toggles 5, 17, 16, 30 and 5, 50, 16, 62
    {std::string(SkinFileNames::kScrollDisable), 11, 12, Expected::Alpha},
    {std::string(SkinFileNames::kScrollLines), 50, 14, Expected::Alpha}, // box 150..186 and arrows to 200
    {std::string(SkinFileNames::kAngleSnapPage), 242, 50, Expected::Opaque},
    // Splash and warning windows.
    {std::string(SkinFileNames::kSplash), 537, 423, Expected::Opaque},
    {std::string(SkinFileNames::kWarning), 320, 200,
     Expected::Opaque}, // the close button ends at 314, the buttons at 190
    {std::string(SkinFileNames::kWarningButtonNormal), 85, 22, Expected::Opaque},
    {std::string(SkinFileNames::kWarningButtonDown), 85, 22, Expected::Opaque},
    {std::string(SkinFileNames::kWarningCloseNormal), 14, 13, Expected::Opaque},
    {std::string(SkinFileNames::kWarningCloseDown), 14, 13, Expected::Opaque},
    {std::string(SkinFileNames::kWarningOptionNormal), 14, 13, Expected::Opaque},
    {std::string(SkinFileNames::kWarningOptionDown), 14, 13, Expected::Opaque},
    // Profile manager: list 0, 31 - 263, 575, the action areas down to 598.
    {std::string(SkinFileNames::kConfig), 264, 606, Expected::Opaque},
    {std::string(SkinFileNames::kNewConfig), 14, 14, Expected::Alpha},
    {std::string(SkinFileNames::kDelConfig), 14, 14, Expected::Alpha},
    // Key capture and macro assignment: buttons down to 275, close buttons to 370.
    {std::string(SkinFileNames::kSingleKey), 384, 285, Expected::Opaque},
    {std::string(SkinFileNames::kMacroKey), 390, 285, Expected::Opaque},
    {std::string(SkinFileNames::kPane), 16, 16, Expected::Alpha}, // run-mode marks 220, 78, 236, 94
    {std::string(SkinFileNames::kPaneTick), 16, 16, Expected::Alpha},
    {std::string(SkinFileNames::kMacroCloseNormal), 51, 24, Expected::Alpha}, // 427, 17, 478, 41
    {std::string(SkinFileNames::kMacroCloseOver), 51, 24, Expected::Alpha},
    // Macro manager: close button to 478, Cancel to 422.
    {std::string(SkinFileNames::kMacroManagement), 490, 432, Expected::Opaque},
    {std::string(SkinFileNames::kRecordNormal), 122, 24, Expected::Opaque},
    {std::string(SkinFileNames::kRecordOver), 122, 24, Expected::Opaque},
    {std::string(SkinFileNames::kNewNormal), 58, 25, Expected::Alpha}, // New 17, 367, 75, 392
    {std::string(SkinFileNames::kNewOver), 58, 25, Expected::Alpha},
    {std::string(SkinFileNames::kMacroCancelNormal), 54, 26, Expected::Alpha}, // OK 298, 394, 352, 422
    {std::string(SkinFileNames::kMacroCancelOver), 54, 26, Expected::Alpha},
    {std::string(SkinFileNames::kMacroPane), 14, 14, Expected::Alpha}, // check boxes 370, 144, 384, 158
    {std::string(SkinFileNames::kMacroPaneTick), 14, 14, Expected::Alpha},
};

TEST(SkinFilesTest, EveryFileTheWindowsNameExistsDecodesAndHasItsSize) {
    const SkinImages images(test::ProgramFolder());
    for (const Expected& file : kFiles) {
        SCOPED_TRACE(file.path);
        const std::optional<SkinImage> image = images.LoadImage(SkinFileNames::InSkins(file.path));
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->Width(), file.width);
        EXPECT_EQ(image->Height(), file.height);
        EXPECT_EQ(image->HasAlpha(), file.kind == Expected::Alpha);
    }
}

TEST(SkinFilesTest, SizesReadFromTheHeadersAreTheDecodedSizes) {
    // Every file of the list, the mouse pictures' button images included.
    std::vector<std::string> paths;
    for (const std::string& name : SkinFileNames::All()) {
        paths.push_back(SkinFileNames::InSkins(name));
    }
    const SkinImages headers(test::ProgramFolder());
    const SkinImages decoded(test::ProgramFolder());
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        const SIZE size = headers.SizeOf(path);
        const SkinImage* image = decoded.Image(path);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(size.cx, image->Width());
        EXPECT_EQ(size.cy, image->Height());
    }
    EXPECT_EQ(headers.DecodeCount(), 0); // every file's header told its size
}

TEST(SkinFilesTest, HotSpotsOfBothViewsExistInBothStatesInsideTheMiddleArea) {
    const SkinImages images(test::ProgramFolder());
    struct Spot {
        SkinFileNames::MouseView view;
        int number;
        int x;
        int y;
    };
    constexpr auto kFront = SkinFileNames::MouseView::Front;
    constexpr auto kSide = SkinFileNames::MouseView::Side;
    const Spot spots[] = {
        {kFront, 1, 350, 102}, {kFront, 2, 550, 102}, {kFront, 3, 498, 190}, {kFront, 4, 350, 247},
        {kFront, 5, 350, 315}, {kFront, 6, 498, 255}, {kFront, 7, 498, 285}, {kSide, 1, 400, 155},
        {kSide, 2, 335, 155},  {kSide, 3, 410, 248},  {kSide, 4, 490, 270},  {kSide, 5, 545, 265},
        {kSide, 6, 460, 158},  {kSide, 7, 487, 158},
    };
    for (const Spot& spot : spots) {
        for (const bool over : {false, true}) {
            const std::string path =
                SkinFileNames::InSkins(SkinFileNames::MouseButton(spot.view, spot.number, over));
            SCOPED_TRACE(path);
            const std::optional<SkinImage> image = images.LoadImage(path);
            ASSERT_TRUE(image.has_value());
            EXPECT_TRUE(image->HasAlpha());
            // Drawn at its fixed position, the image stays inside the middle area 262, 2, 734, 500.
            EXPECT_LE(spot.x + image->Width(), 734);
            EXPECT_LE(spot.y + image->Height(), 500);
        }
    }
    for (const int number : {4, 5}) {
        for (const bool over : {false, true}) {
            const std::string path = SkinFileNames::InSkins(
                SkinFileNames::MouseButton(SkinFileNames::MouseView::Back, number, over));
            EXPECT_TRUE(images.LoadImage(path).has_value()) << path;
        }
    }
}

TEST(SkinFilesTest, TheWindowsWaysOfSpellingAPathReachTheSameFile) {
    const SkinImages images(test::ProgramFolder());
    for (const char* path : {"/skins/BK_MainRight.png", "Skins\\BK_MainRight.png",
                             "\\skins//BK_MAINRIGHT.PNG", "Skins\\/BK_MainRight.png"}) {
        const SIZE size = images.SizeOf(path);
        EXPECT_EQ(size.cx, 260) << path;
        EXPECT_EQ(size.cy, 563) << path;
    }
}

} // namespace
} // namespace corvalith
