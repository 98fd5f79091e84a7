#include <gtest/gtest.h>

#include <windows.h>

namespace corvalith {
namespace {

TEST(ResourcesTest, TheProgramCarriesItsIconScrollBarSkinAndColourWheel) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    struct Case {
        int id;
        int width;
        int height;
    };
    // 129: nine by three cells of 13 x 16; 148: the 18 x 16 colour wheel; 130 and 149: both at twice that.
    const Case bitmaps[] = {{129, 117, 48}, {130, 234, 96}, {148, 18, 16}, {149, 36, 32}};
    for (const Case& c : bitmaps) {
        const HBITMAP bitmap = ::LoadBitmapW(instance, MAKEINTRESOURCEW(c.id));
        ASSERT_NE(bitmap, nullptr) << c.id;
        BITMAP info{};
        ASSERT_EQ(::GetObjectW(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
        EXPECT_EQ(info.bmWidth, c.width) << c.id;
        EXPECT_EQ(info.bmHeight, c.height) << c.id;
        ::DeleteObject(bitmap);
    }
    const HICON icon =
        static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(128), IMAGE_ICON, 32, 32, 0));
    EXPECT_NE(icon, nullptr);
    if (icon != nullptr) {
        ::DestroyIcon(icon);
    }
}

} // namespace
} // namespace corvalith
