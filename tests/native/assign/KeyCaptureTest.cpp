#include "assign/KeyCapture.h"
#include "assign/KeyCaptureLayout.h"
#include "doubles/RecordingDebugOutput.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

TEST(KeyCapture, EachKeyEventReplacesTheKeyAndIsSwallowed) {
    struct Case {
        std::uint32_t virtualKey;
        std::uint32_t flags; // as the hook gives them: 0x01 extended, 0x80 released, 0x10 injected
        const char* name;
        const char* label;
    };
    const Case cases[] = {
        {0x41, 0x00, "A", "A"},
        {0x41, 0x80, "A", "A"},
        {0x0D, 0x00, "Enter", "Enter"},
        {0x0D, 0x01, "Num Enter", "Num Enter"},
        {0x0D, 0x91, "Num Enter", "Num Enter"},
        {0xA1, 0x01, "Right Shift", "Right Shift"},
        {0x5D, 0x01, "App", "App (N/A)"},
        {0x2F, 0x00, "Help", "Help (N/A)"},
        {0x07, 0x00, "", ""},
    };
    for (const Case& c : cases) {
        test::RecordingDebugOutput debug;
        KeyCapture capture("Tab", debug);
        EXPECT_TRUE(capture.OnKeyEvent(KeyCapture::kHookAction, c.virtualKey, 0x1C, c.flags)) << c.name;
        EXPECT_EQ(capture.KeyName(), c.name);
        EXPECT_EQ(capture.LabelText(), c.label);
        EXPECT_EQ(capture.Choice(), c.name[0] == '\0' ? std::nullopt : std::optional<std::string>(c.name));
    }
}

TEST(KeyCapture, TheDebugLineNeverSaysWhichKey) {
    test::RecordingDebugOutput debug;
    KeyCapture capture({}, debug);
    capture.OnKeyEvent(KeyCapture::kHookAction, 0x41, 0x1E, 0x80);
    capture.OnKeyEvent(KeyCapture::kHookAction, 0x5A, 0x2C, 0x00);
    EXPECT_EQ(debug.lines,
              (std::vector<std::string>{"Single key hook: key event\n", "Single key hook: key event\n"}));
}

TEST(KeyCapture, WithoutAKeyPressedOkChoosesNothing) {
    test::RecordingDebugOutput debug;
    KeyCapture capture("N/A", debug);
    EXPECT_EQ(capture.LabelText(), "N/A");
    EXPECT_EQ(capture.Choice(), std::nullopt);
    // Events the hook does not act on go on to the system.
    EXPECT_FALSE(capture.OnKeyEvent(3, 0x41, 0x1E, 0));
    EXPECT_EQ(capture.Choice(), std::nullopt);
    EXPECT_TRUE(debug.lines.empty());
}

TEST(KeyCaptureLayout, TextsAndFontsFollowTheLanguage) {
    struct Case {
        const char* code;
        unsigned major, minor;
        const char* ok;
        const char* cancel;
        const char* prompt;
        const char* face;
        int height;
    };
    const Case cases[] = {
        {"CHS", 6, 2, "确定", "取消", "请输入一个按键", "黑体", 13},
        {"CHS", 10, 0, "确定", "取消", "请输入一个按键", "宋体", 13},
        {"CHT", 10, 0, "確定", "取消", "請指派一個鍵盤按鍵", "黑体", 13},
        {"DE", 6, 2, "OK", "Abbrechen", "Bitte wählen Sie eine Taste aus.", "Arial", 14},
        {"EN", 6, 2, "Ok", "Cancel", "Please assign a key", "Arial", 14},
        {"", 6, 1, "Ok", "Cancel", "Please assign a key", "Arial", 14},
    };
    for (const Case& c : cases) {
        const KeyCaptureLayout::Texts texts = KeyCaptureLayout::TextsFor(c.code);
        EXPECT_EQ(texts.Ok, c.ok);
        EXPECT_EQ(texts.Cancel, c.cancel);
        EXPECT_EQ(texts.Prompt, c.prompt);
        const KeyCaptureLayout::Font font = KeyCaptureLayout::FontFor(c.code, c.major, c.minor);
        EXPECT_EQ(font.Face, c.face) << c.code << " " << c.major;
        EXPECT_EQ(font.Height, c.height);
    }
}

TEST(KeyCaptureLayout, DropsTheWindowsKeysAndTheKeysThatWouldCloseIt) {
    struct Case {
        std::uint32_t message;
        std::uint64_t key;
        bool dropped;
    };
    const Case cases[] = {
        {0x0100, 0x5B, true},  {0x0101, 0x5C, true},  {0x0104, 0x0D, true},  {0x0105, 0x1B, true},
        {0x0100, 0x20, true},  {0x0100, 0x70, true},  {0x0100, 0x41, false}, {0x0111, 0x5B, false},
        {0x0113, 0x0D, false}, {0x0102, 0x0D, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyCaptureLayout::DropsKeyMessage(c.message, c.key), c.dropped)
            << c.message << " " << c.key;
    }
}

TEST(KeyCaptureLayout, ButtonsAtTheirRectangles) {
    using Button = DialogHover::Button;
    struct Case {
        int x, y;
        Button button;
    };
    const Case cases[] = {{244, 250, Button::Ok},     {307, 274, Button::Ok},     {308, 260, Button::None},
                          {314, 250, Button::Cancel}, {377, 274, Button::Cancel}, {352, 6, Button::Close},
                          {369, 23, Button::Close},   {370, 10, Button::None},    {100, 100, Button::None}};
    for (const Case& c : cases) {
        EXPECT_EQ(KeyCaptureLayout::ButtonAt(c.x, c.y), c.button) << c.x << "," << c.y;
    }
}

} // namespace
} // namespace corvalith
