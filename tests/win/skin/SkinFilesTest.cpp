#include "skin/win/SkinImages.h"
#include "win/skin/SkinTestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace corvalith {
namespace {

// What a skin file must be for the windows that use it.
struct Expected {
    const char* path; // relative to the Skins folder
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
    {"main.png", 1000, 645, Expected::Opaque},
    {"BK_MainLeft.png", 242, 488, Expected::Opaque}, // 20, 107 down to the footer
    {"BK_MainMid.png", 472, 498, Expected::Opaque},  // the middle area 262, 2, 734, 500
    {"BK_MainRight.png", 260, 563, Expected::Opaque},
    {"Logo.png", 242, 70, Expected::Alpha},
    {"MLogo.png", 180, 48, Expected::Alpha},
    {"ItemBK.png", 242, 20, Expected::Opaque},
    {"ItemBK-LOD.png", 242, 20, Expected::Opaque},
    {"lodhelp.png", 20, 20, Expected::Alpha},
    {"Enable.png", 10, 10, Expected::Alpha},
    {"Disable.png", 10, 10, Expected::Alpha},
    {"button-cancel-normal.png", 57, 30, Expected::Opaque},
    {"button-cancel-over.png", 57, 30, Expected::Opaque},
    {"button-cancel-leave.png", 57, 30, Expected::Opaque},
    {"button-save-leave.png", 57, 30, Expected::Opaque},
    {"button-close-normal.png", 15, 15, Expected::Opaque},
    {"button-close-over.png", 15, 15, Expected::Opaque},
    {"button-min-normal.png", 15, 15, Expected::Opaque},
    {"button-min-over.png", 15, 15, Expected::Opaque},
    {"button-help-normal.png", 15, 15, Expected::Opaque},
    {"button-help-over.png", 15, 15, Expected::Opaque},
    {"button-config-normal.png", 140, 30, Expected::Opaque},
    {"button-config-over.png", 140, 30, Expected::Opaque},
    {"button-config-leave.png", 140, 30, Expected::Opaque},
    {"button-mouse-normal.png", 62, 29, Expected::Opaque},
    {"button-mouse-over.png", 62, 29, Expected::Opaque},
    {"button-mouse-leave.png", 62, 29, Expected::Opaque},
    // Rows at 154 + 20k below header 1 (bottom 127), drop-downs 130 x 16.
    {"ButtonAssignment/BK_ButtonAssignment.png", 242, 170, Expected::Opaque},
    {"ButtonAssignment/DropdownBox-normal.png", 130, 16, Expected::Opaque},
    {"ButtonAssignment/DropdownBox-over.png", 130, 16, Expected::Opaque},
    // Sliders 25 and 85 below header 3, the Y scale down to 117.
    {"XYSensitivity/BK_XYSensSetting.png", 242, 125, Expected::Opaque},
    {"XYSensitivity/1.png", 208, 14, Expected::Opaque},
    {"XYSensitivity/2.png", 208, 14, Expected::Opaque},
    {"SilentHeihgt/sh-bk.png", 242, 75, Expected::Opaque},
    {"Mouse/Front/MouseFront.png", 200, 345, Expected::Alpha},
    {"Mouse/Side/MouseSide.png", 345, 140, Expected::Alpha},
    {"Mouse/Back/MouseBack.png", 170, 130, Expected::Alpha},
    // Advanced panel pages, 242 wide: each page's content reaches down to its last rectangle.
    {"DPISetting/BK_DPISetting.png", 242, 232, Expected::Opaque}, // swatches end at 225
    {"DPISetting/BK-DPIValue.png", 25, 11, Expected::Alpha},      // the value label 20, 182, 45, 193
    {"DPISetting/DPIStage/0.png", 7, 170, Expected::Opaque},      // cut to 7 x 169
    {"DPISetting/DPIStage/82.png", 7, 170, Expected::Opaque},
    {"Lighting/BK_Lighting.png", 242, 192, Expected::Opaque},    // swatches end at 183
    {"Lighting/BK_PADLighting.png", 242, 163, Expected::Opaque}, // swatches end at 154
    {"StageSlider/1.png", 130, 11, Expected::Opaque},            // cut from 1, 0 to 128, 11
    {"StageSlider/10.png", 130, 11, Expected::Opaque},
    {"USBReportRate/BK_USBReportRate.png", 242, 135, Expected::Opaque}, // dial 57, 5, 185, 128
    {"USBReportRate/1000HZ.png", 128, 124, Expected::Alpha},
    {"USBReportRate/500HZ.png", 128, 124, Expected::Alpha},
    {"USBReportRate/250HZ.png", 128, 124, Expected::Alpha},
    {"USBReportRate/125HZ.png", 128, 124, Expected::Alpha},
    {"MouseAttribute/BK_MouseAttribute.png", 242, 112, Expected::Opaque}, // captions to 103
    {"MouseAttribute/Speed/1.png", 143, 76, Expected::Alpha},             // centre 71, 71 of the image
    {"MouseAttribute/Speed/2.png", 143, 76, Expected::Alpha},
    {"MouseAttribute/Speed/3.png", 143, 76, Expected::Alpha},
    {"MouseAttribute/Speed/4.png", 143, 76, Expected::Alpha},
    {"MouseAttribute/Speed/5.png", 143, 76, Expected::Alpha},
    {"MouseAttribute/Speed/6.png", 143, 76, Expected::Alpha},
    {"MouseAttribute/Speed/7.png", 143, 76, Expected::Alpha},
    {"MouseAttribute/Speed/8.png", 143, 76, Expected::Alpha},
    {"MouseAttribute/Speed/9.png", 143, 76, Expected::Alpha},
    {"MouseAttribute/Speed/10.png", 143, 76, Expected::Alpha},
    {"MouseAttribute/Speed/11.png", 143, 76, Expected::Alpha},
    {"MouseAttribute/BK_ScrollSpeed.png", 242, 72, Expected::Opaque},
    {"MouseAttribute/ScrollSpeed/Enable.png", 11, 12,
     Expected::Alpha}, // toggles 5, 17, 16, 30 and 5, 50, 16, 62
    {"MouseAttribute/ScrollSpeed/Disable.png", 11, 12, Expected::Alpha},
    {"MouseAttribute/ScrollSpeed/ScrollLines.png", 50, 14, Expected::Alpha}, // box 150..186 and arrows to 200
    {"AngleSnap/BK_AngleSnap.png", 242, 50, Expected::Opaque},
    // Splash and warning windows.
    {"splash.png", 537, 423, Expected::Opaque},
    {"Warning/main.jpg", 320, 200, Expected::Opaque}, // the close button ends at 314, the buttons at 190
    {"Warning/Button-Normal.png", 85, 22, Expected::Opaque},
    {"Warning/Button-Down.png", 85, 22, Expected::Opaque},
    {"Warning/Close-Normal.png", 14, 13, Expected::Opaque},
    {"Warning/Close-Down.png", 14, 13, Expected::Opaque},
    {"Warning/Option-Normal.png", 14, 13, Expected::Opaque},
    {"Warning/Option-Down.png", 14, 13, Expected::Opaque},
    // Profile manager: list 0, 31 - 263, 575, the action areas down to 598.
    {"Config/Config.png", 264, 606, Expected::Opaque},
    {"Config/New-Config.png", 14, 14, Expected::Alpha},
    {"Config/Del-Config.png", 14, 14, Expected::Alpha},
    // Key capture and macro assignment: buttons down to 275, close buttons to 370.
    {"single-key.png", 384, 285, Expected::Opaque},
    {"macro-key.png", 390, 285, Expected::Opaque},
    {"Pane.png", 16, 16, Expected::Alpha}, // run-mode marks 220, 78, 236, 94
    {"PaneMakingTick.png", 16, 16, Expected::Alpha},
    {"macro-button-close-normal.png", 51, 24, Expected::Alpha}, // 427, 17, 478, 41
    {"macro-button-close-over.png", 51, 24, Expected::Alpha},
    // Macro manager: close button to 478, Cancel to 422.
    {"MacroManagement/MacroManagement.png", 490, 432, Expected::Opaque},
    {"MacroManagement/Record-normal.png", 122, 24, Expected::Opaque},
    {"MacroManagement/Record-over.png", 122, 24, Expected::Opaque},
    {"MacroManagement/button-new-normal.png", 58, 25, Expected::Alpha}, // New 17, 367, 75, 392
    {"MacroManagement/button-new-over.png", 58, 25, Expected::Alpha},
    {"MacroManagement/button-cancel-normal.png", 54, 26, Expected::Alpha}, // OK 298, 394, 352, 422
    {"MacroManagement/button-cancel-over.png", 54, 26, Expected::Alpha},
    {"MacroManagement/Pane.png", 14, 14, Expected::Alpha}, // check boxes 370, 144, 384, 158
    {"MacroManagement/PaneMakingTick.png", 14, 14, Expected::Alpha},
};

TEST(SkinFilesTest, EveryFileTheWindowsNameExistsDecodesAndHasItsSize) {
    const SkinImages images(test::ProgramFolder());
    for (const Expected& file : kFiles) {
        SCOPED_TRACE(file.path);
        const std::optional<SkinImage> image = images.LoadImage(std::string("Skins/") + file.path);
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->Width(), file.width);
        EXPECT_EQ(image->Height(), file.height);
        EXPECT_EQ(image->HasAlpha(), file.kind == Expected::Alpha);
    }
}

TEST(SkinFilesTest, SizesReadFromTheHeadersAreTheDecodedSizes) {
    std::vector<std::string> paths;
    for (const Expected& file : kFiles) {
        paths.push_back(std::string("Skins/") + file.path);
    }
    for (const char* view : {"Front/F-", "Side/S-"}) {
        for (int spot = 1; spot <= 7; ++spot) {
            for (const char* state : {"-normal.png", "-over.png"}) {
                paths.push_back(std::string("Skins/Mouse/") + view + std::to_string(spot) + state);
            }
        }
    }
    for (const char* path : {"Skins/Mouse/Back/B-4-normal.png", "Skins/Mouse/Back/B-4-over.png",
                             "Skins/Mouse/Back/B-5-normal.png", "Skins/Mouse/Back/B-5-over.png"}) {
        paths.emplace_back(path);
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
        const char* name;
        int x;
        int y;
    };
    const Spot spots[] = {
        {"Front/F-1", 350, 102}, {"Front/F-2", 550, 102}, {"Front/F-3", 498, 190}, {"Front/F-4", 350, 247},
        {"Front/F-5", 350, 315}, {"Front/F-6", 498, 255}, {"Front/F-7", 498, 285}, {"Side/S-1", 400, 155},
        {"Side/S-2", 335, 155},  {"Side/S-3", 410, 248},  {"Side/S-4", 490, 270},  {"Side/S-5", 545, 265},
        {"Side/S-6", 460, 158},  {"Side/S-7", 487, 158},
    };
    for (const Spot& spot : spots) {
        for (const char* state : {"-normal.png", "-over.png"}) {
            const std::string path = std::string("/Skins/Mouse/") + spot.name + state;
            SCOPED_TRACE(path);
            const std::optional<SkinImage> image = images.LoadImage(path);
            ASSERT_TRUE(image.has_value());
            EXPECT_TRUE(image->HasAlpha());
            // Drawn at its fixed position, the image stays inside the middle area 262, 2, 734, 500.
            EXPECT_LE(spot.x + image->Width(), 734);
            EXPECT_LE(spot.y + image->Height(), 500);
        }
    }
    for (const char* path : {"Skins/Mouse/Back/B-4-normal.png", "Skins/Mouse/Back/B-4-over.png",
                             "Skins/Mouse/Back/B-5-normal.png", "Skins/Mouse/Back/B-5-over.png"}) {
        EXPECT_TRUE(images.LoadImage(path).has_value()) << path;
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
