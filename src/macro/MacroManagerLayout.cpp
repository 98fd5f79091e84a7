#include "macro/MacroManagerLayout.h"

namespace corvalith {

namespace {

bool IsChinese(std::string_view code) {
    return code == "CHS" || code == "CHT";
}

} // namespace

MacroManagerLayout::Texts MacroManagerLayout::TextsFor(std::string_view code) {
    if (code == "EN") {
        return {"OK",
                "Cancel",
                "Macro Manager",
                "Select Macro",
                "Keystroke Sequence",
                "Options",
                "Record delay between keystrokes",
                "Number of Loops",
                "New",
                "Delete",
                "Macro",
                "Start Recording",
                "Stop Recording",
                "Insert Left Button",
                "Insert Middle Button",
                "Insert Right Button",
                "Insert Delay",
                "ATTENTION!",
                "Up to 12 Macros Possible."};
    }
    if (code == "DE") {
        return {"OK",
                "Abbrechen",
                "Makro-Manager",
                "Auswahl Makro",
                "Tastensequenz",
                "Optionen",
                "Verzögerungen zwischen Tastenbefehlen aufzeichnen",
                "Wiederholungen",
                "Neu",
                "Löschen",
                "Makro",
                "Aufzeichnung starten",
                "Aufzeichnung beenden",
                "Linke Maustaste einfügen",
                "Mittlere Maustaste einfügen",
                "Rechte Maustaste einfügen",
                "Verzögerung einfügen",
                "ACHTUNG!",
                "Maximal 12 Makros möglich."};
    }
    if (code == "CHS") {
        return {"确定",
                "取消",
                "宏管理器",
                "选择宏",
                "按鍵序列",
                "录制选项",
                "记录按键动作间的延迟",
                "循环次数",
                "新建",
                "刪除",
                "宏",
                "开始录制",
                "停止录制",
                "插入鼠标左键",
                "插入鼠标中键",
                "插入鼠标右键",
                "插入延时",
                "警告",
                "最多可以新建12个宏。"};
    }
    if (code == "CHT") {
        return {"確定",
                "取消",
                "巨集編輯器",
                "選擇巨集",
                "按鍵輸入順序",
                "選項",
                "按鍵指令間插入記錄延遲",
                "迴圈數",
                "新建",
                "刪除",
                "巨集",
                "開始記錄",
                "停止紀錄",
                "插入左鍵",
                "插入中鍵",
                "插入右鍵",
                "插入延遲",
                "注意！",
                "支援最多12 組巨集"};
    }
    return {};
}

std::string_view MacroManagerLayout::FontFace(std::string_view code) {
    return IsChinese(code) ? "黑体" : "Arial";
}

int MacroManagerLayout::RecordFontHeight(std::string_view code) {
    return IsChinese(code) ? 12 : 14;
}

MacroManagerLayout::Target MacroManagerLayout::TargetAt(int x, int y) {
    const std::pair<Rect, Target> targets[] = {
        {kOk, Target::Ok},
        {kCancel, Target::Cancel},
        {kClose, Target::Close},
        {kNew, Target::New},
        {kDelete, Target::Delete},
        {kDelayCheck, Target::DelayCheck},
        {kLoopCheck, Target::LoopCheck},
    };
    for (const auto& [rect, target] : targets) {
        if (rect.Contains(x, y)) {
            return target;
        }
    }
    return Target::None;
}

DialogHover::Button MacroManagerLayout::ButtonAt(int x, int y) {
    using Button = DialogHover::Button;
    switch (TargetAt(x, y)) {
    case Target::Ok:
        return Button::Ok;
    case Target::Cancel:
        return Button::Cancel;
    case Target::Close:
        return Button::Close;
    case Target::New:
        return Button::New;
    case Target::Delete:
        return Button::Delete;
    default:
        return Button::None;
    }
}

} // namespace corvalith
