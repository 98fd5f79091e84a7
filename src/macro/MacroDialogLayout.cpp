#include "macro/MacroDialogLayout.h"

namespace corvalith {

MacroDialogLayout::Texts MacroDialogLayout::TextsFor(std::string_view code) {
    if (code == "EN") {
        return {"OK",
                "Cancel",
                "Please select a macro!",
                {"Macro runs one-time after pressing the button.",
                 "Macro runs endless loop until any button is pressed. ",
                 "Macro runs endless loop until button is released. "}};
    }
    if (code == "DE") {
        return {"OK",
                "Abbrechen",
                "Bitte wählen Sie ein Makro aus!",
                {"Makro bei Tastendruck einmalig ausführen.",
                 "Makro endlos ausführen, bis erneuter Tastendruck erfolgt.",
                 "Makro bei dauerhaft gedrückter Taste endlos ausführen."}};
    }
    if (code == "CHS") {
        return {"确定",
                "取消",
                "请从列表框选择一个宏",
                {"重复指定次数或按任意键结束", "重复直到按任意键结束", "重复直到该按键松开结束"}};
    }
    if (code == "CHT") {
        return {"確定",
                "取消",
                "請先選擇巨集",
                {"按下按鍵後可重覆執行", "重覆執行至再次按下任一鍵", "重覆執行至放開此鍵"}};
    }
    return {};
}

std::string_view MacroDialogLayout::FontFace(std::string_view code) {
    return code == "CHS" || code == "CHT" ? "黑体" : "Arial";
}

MacroDialogLayout::Target MacroDialogLayout::TargetAt(int x, int y) {
    if (kNameField.Contains(x, y)) {
        return Target::NameField;
    }
    constexpr Target kModes[] = {Target::RunMode0, Target::RunMode1, Target::RunMode2};
    for (std::size_t i = 0; i < kRunModeMarks.size(); ++i) {
        if (kRunModeMarks[i].Contains(x, y)) {
            return kModes[i];
        }
    }
    if (kOk.Contains(x, y)) {
        return Target::Ok;
    }
    if (kCancel.Contains(x, y)) {
        return Target::Cancel;
    }
    if (kClose.Contains(x, y)) {
        return Target::Close;
    }
    return Target::None;
}

DialogHover::Button MacroDialogLayout::ButtonAt(int x, int y) {
    switch (TargetAt(x, y)) {
    case Target::Ok:
        return DialogHover::Button::Ok;
    case Target::Cancel:
        return DialogHover::Button::Cancel;
    case Target::Close:
        return DialogHover::Button::Close;
    default:
        return DialogHover::Button::None;
    }
}

} // namespace corvalith
