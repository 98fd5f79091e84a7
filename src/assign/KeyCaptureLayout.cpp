#include "assign/KeyCaptureLayout.h"

namespace corvalith {

KeyCaptureLayout::Texts KeyCaptureLayout::TextsFor(std::string_view code) {
    if (code == "CHS") {
        return {"确定", "取消", "请输入一个按键"};
    }
    if (code == "CHT") {
        return {"確定", "取消", "請指派一個鍵盤按鍵"};
    }
    if (code == "DE") {
        return {"OK", "Abbrechen", "Bitte wählen Sie eine Taste aus."};
    }
    return {"Ok", "Cancel", "Please assign a key"};
}

KeyCaptureLayout::Font KeyCaptureLayout::FontFor(std::string_view code, unsigned systemMajor,
                                                 unsigned systemMinor) {
    if (code == "CHS") {
        return {systemMajor == 6 && systemMinor == 2 ? "黑体" : "宋体", 13};
    }
    if (code == "CHT") {
        return {"黑体", 13};
    }
    return {"Arial", 14};
}

DialogHover::Button KeyCaptureLayout::ButtonAt(int x, int y) {
    if (kOk.Contains(x, y)) {
        return DialogHover::Button::Ok;
    }
    if (kCancel.Contains(x, y)) {
        return DialogHover::Button::Cancel;
    }
    if (kClose.Contains(x, y)) {
        return DialogHover::Button::Close;
    }
    return DialogHover::Button::None;
}

bool KeyCaptureLayout::DropsKeyMessage(std::uint32_t message, std::uint64_t key) {
    if (message != kKeyDown && message != kKeyUp && message != kSysKeyDown && message != kSysKeyUp) {
        return false;
    }
    return key == kLeftWindows || key == kRightWindows || key == kEnter || key == kEscape || key == kSpace ||
           key == kF1;
}

} // namespace corvalith
