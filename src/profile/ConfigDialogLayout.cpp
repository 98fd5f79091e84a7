#include "profile/ConfigDialogLayout.h"

namespace corvalith {

namespace {

constexpr ConfigDialogLayout::Texts kEnglish{"Configuration",
                                             "Profile",
                                             "New",
                                             "Delete",
                                             "Edit",
                                             "Copy",
                                             "Load",
                                             "Save",
                                             "ATTENTION!",
                                             "Up to 6 Profiles Possible.",
                                             "Programs",
                                             "Use this profile while ... is in front",
                                             "Return to this profile when no program matches"};
constexpr ConfigDialogLayout::Texts kGerman{"Game Profil",
                                            "Profil",
                                            "Neu",
                                            "L\xC3\xB6schen",
                                            "Bearbeiten",
                                            "Kopieren",
                                            "Laden",
                                            "Speichern",
                                            "ACHTUNG!",
                                            "Maximal 6 Profile m\xC3\xB6glich.",
                                            "Programme",
                                            "Dieses Profil verwenden, solange ... im Vordergrund ist",
                                            "Zu diesem Profil zur\xC3\xBC"
                                            "ckkehren, wenn kein Programm passt"};
constexpr ConfigDialogLayout::Texts kSimplifiedChinese{"配置",
                                                       "配置文件",
                                                       "新建",
                                                       "删除",
                                                       "编辑",
                                                       "复制",
                                                       "导入",
                                                       "导出",
                                                       "警告",
                                                       "最多可以新建6个配置文件。",
                                                       "程序",
                                                       "当 ... 在前台时使用此配置文件",
                                                       "没有匹配的程序时返回此配置文件"};
constexpr ConfigDialogLayout::Texts kTraditionalChinese{"遊戲設定檔",
                                                        "設定檔",
                                                        "新建",
                                                        "刪除",
                                                        "編輯",
                                                        "複製",
                                                        "載入",
                                                        "儲存",
                                                        "注意！",
                                                        "支援最多6組設定檔",
                                                        "程式",
                                                        "當 ... 在前景時使用此設定檔",
                                                        "沒有相符的程式時返回此設定檔"};

} // namespace

ConfigDialogLayout::Area ConfigDialogLayout::HitTest(int x, int y) {
    if (kCloseArea.Contains(x, y)) {
        return Area::Close;
    }
    if (kNewArea.Contains(x, y)) {
        return Area::New;
    }
    if (kDeleteArea.Contains(x, y)) {
        return Area::Delete;
    }
    return Area::None;
}

const ConfigDialogLayout::Texts& ConfigDialogLayout::TextsFor(std::string_view languageCode) {
    if (languageCode == "CHS") {
        return kSimplifiedChinese;
    }
    if (languageCode == "CHT") {
        return kTraditionalChinese;
    }
    if (languageCode == "DE") {
        return kGerman;
    }
    return kEnglish;
}

std::string_view ConfigDialogLayout::FontFace(std::string_view languageCode) {
    return languageCode == "CHS" || languageCode == "CHT" ? "黑体" : "Arial";
}

} // namespace corvalith
