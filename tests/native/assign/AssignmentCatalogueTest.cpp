#include "assign/AssignmentCatalogue.h"
#include "app/MainWindowLayout.h"
#include "assign/MacroCaptionName.h"

#include <gtest/gtest.h>

#include <cstring>

namespace corvalith {
namespace {

using Outcome = AssignmentCatalogue::Outcome;
using DialogEnd = AssignmentCatalogue::DialogEnd;

struct Program {
    explicit Program(std::string_view code) : catalogue(Fill(table, code)) {}

    static const LanguageTable& Fill(LanguageTable& table, std::string_view code) {
        table.Fill(code);
        return table;
    }

    LanguageTable table;
    AssignmentCatalogue catalogue;
    ProfileSession session;
};

struct Expected {
    int id;
    AssignmentKind kind;
    std::uint8_t parameter;
    CatalogueGroup group;
    const char* texts[4]; // simplified Chinese, traditional Chinese, English, German
};

// The whole catalogue in menu order, written out from the function tables. DPI entries carry the texts
// they have once start-up has replaced the English names.
const Expected kCatalogue[] = {
    {2001, AssignmentKind::Click, 0, CatalogueGroup::Fixed, {"左键", "點擊", "Click", "Klick"}},
    {2002, AssignmentKind::Menu, 0, CatalogueGroup::Fixed, {"右键", "選項", "Menu", "Menü"}},
    {2003, AssignmentKind::Scroll, 0, CatalogueGroup::Fixed, {"中键", "滾輪", "Scroll ", "Scrollen"}},
    {2004, AssignmentKind::Forward, 0, CatalogueGroup::Fixed, {"前进方向键", "前進", "Forward", "Vorwärts"}},
    {2005, AssignmentKind::Back, 0, CatalogueGroup::Fixed, {"后退方向键", "後退", "Back", "Zurück"}},
    {2006,
     AssignmentKind::DoubleClick,
     0,
     CatalogueGroup::Fixed,
     {"双击", "雙擊", "Double-Click", "Doppelklick"}},
    {2010, AssignmentKind::Snipe, 0, CatalogueGroup::Fixed, {"狙击键", "Snipe", "Snipe", "Snipe"}},
    {2020, AssignmentKind::DpiFunction, 1, CatalogueGroup::Dpi, {"DPI +", "DPI +", "DPI +", "DPI +"}},
    {2021, AssignmentKind::DpiFunction, 2, CatalogueGroup::Dpi, {"DPI -", "DPI -", "DPI -", "DPI -"}},
    {2022,
     AssignmentKind::DpiFunction,
     3,
     CatalogueGroup::Dpi,
     {"DPI loop", "DPI循環檔", "DPI Loop", "DPI Schleife"}},
    {2050,
     AssignmentKind::MediaKey,
     0x83,
     CatalogueGroup::Media,
     {"多媒体播放器", "開啟媒體播放器", "Open Media Player", "Mediaplayer öffnen"}},
    {2051,
     AssignmentKind::MediaKey,
     0xB5,
     CatalogueGroup::Media,
     {"下一首", "下一首", "Next Track", "Nächster Titel"}},
    {2052,
     AssignmentKind::MediaKey,
     0xB6,
     CatalogueGroup::Media,
     {"上一首", "上一首", "Previous Track", "Vorheriger Titel"}},
    {2053, AssignmentKind::MediaKey, 0xB7, CatalogueGroup::Media, {"停止", "停止", "Stop", "Stopp"}},
    {2054,
     AssignmentKind::MediaKey,
     0xCD,
     CatalogueGroup::Media,
     {"播放/暂停", "播放/暫停", "Play/Pause", "Play/Pause"}},
    {2055, AssignmentKind::MediaKey, 0xE2, CatalogueGroup::Media, {"静音", "靜音", "Mute", "Stumm"}},
    {2056,
     AssignmentKind::MediaKey,
     0xE9,
     CatalogueGroup::Media,
     {"音量+", "提高音量", "Volume Up", "Lautstärke +"}},
    {2057,
     AssignmentKind::MediaKey,
     0xEA,
     CatalogueGroup::Media,
     {"音量-", "降低音量", "Volume Down", "Lautstärke -"}},
    {2060, AssignmentKind::CtrlShortcut, 17, CatalogueGroup::Shortcut, {"新建", "新建", "New", "Neu"}},
    {2061,
     AssignmentKind::CtrlShortcut,
     27,
     CatalogueGroup::Shortcut,
     {"剪切", "剪下", "Cut", "Ausschneiden"}},
    {2062, AssignmentKind::CtrlShortcut, 6, CatalogueGroup::Shortcut, {"复制", "複製", "Copy", "Kopieren"}},
    {2063, AssignmentKind::CtrlShortcut, 25, CatalogueGroup::Shortcut, {"粘贴", "貼上", "Paste", "Einfügen"}},
    {2064, AssignmentKind::CtrlShortcut, 22, CatalogueGroup::Shortcut, {"保存", "儲存", "Save", "Speichern"}},
    {2065, AssignmentKind::CtrlShortcut, 19, CatalogueGroup::Shortcut, {"打印", "列印", "Print", "Drucken"}},
    {2066, AssignmentKind::CtrlShortcut, 9, CatalogueGroup::Shortcut, {"查找", "尋找", "Find", "Suchen"}},
    {2067,
     AssignmentKind::CtrlShortcut,
     28,
     CatalogueGroup::Shortcut,
     {"重复", "重做", "Redo", "Wiederherstellen"}},
    {2068,
     AssignmentKind::CtrlShortcut,
     29,
     CatalogueGroup::Shortcut,
     {"撤销", "復原", "Undo", "Rückgängig machen"}},
    {2069,
     AssignmentKind::CtrlShortcut,
     4,
     CatalogueGroup::Shortcut,
     {"全选", "選擇全部", "Select All", "Alles auswählen"}},
    {2030,
     AssignmentKind::SystemFunction,
     0,
     CatalogueGroup::System,
     {"我的电脑", "我的電腦", "My computer", "Arbeitsplatz"}},
    {2031,
     AssignmentKind::SystemFunction,
     1,
     CatalogueGroup::System,
     {"浏览器-主页", "首頁", "Web Home", "Web: Startseite"}},
    {2032,
     AssignmentKind::SystemFunction,
     2,
     CatalogueGroup::System,
     {"搜索", "搜尋程式及檔案", "Search Computer", "Computer durchsuchen"}},
    {2033,
     AssignmentKind::SystemFunction,
     3,
     CatalogueGroup::System,
     {"最大化", "最大化", "Maximize", "Maximieren"}},
    {2034,
     AssignmentKind::SystemFunction,
     4,
     CatalogueGroup::System,
     {"最小化", "最小化", "Minimize", "Minimieren"}},
    {2035,
     AssignmentKind::SystemFunction,
     5,
     CatalogueGroup::System,
     {"显示桌面", "顯示桌面", "Show desktop", "Desktop anzeigen"}},
    {2036, AssignmentKind::SystemFunction, 6, CatalogueGroup::System, {"运行", "運行", "Run", "Ausführen"}},
    {2011,
     AssignmentKind::SingleKey,
     0,
     CatalogueGroup::Fixed,
     {"单键", "指派鍵盤按鍵", "Assign Keyboard Key", "Keyboard-Taste zuweisen +"}},
    {2012, AssignmentKind::Macro, 0, CatalogueGroup::Fixed, {"宏", "巨集鍵", "Macro", "Makro"}},
    {2013,
     AssignmentKind::Deactivated,
     0,
     CatalogueGroup::Fixed,
     {"按键关闭", "無作用", "Deactivated", "Deaktiviert"}},
};

const char* const kCodes[] = {"CHS", "CHT", "EN", "DE"};

TEST(AssignmentCatalogue, EveryCommandHasItsKindParameterAndTextInEachLanguage) {
    for (std::size_t language = 0; language < 4; ++language) {
        Program program(kCodes[language]);
        program.catalogue.ApplyDpiNames(program.table);
        const auto& entries = program.catalogue.Entries();
        ASSERT_EQ(entries.size(), std::size(kCatalogue));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const Expected& want = kCatalogue[i];
            const CatalogueEntry& entry = entries[i];
            EXPECT_EQ(entry.CommandId, want.id) << "menu position " << i;
            EXPECT_EQ(entry.Kind, want.kind) << want.id;
            EXPECT_EQ(entry.Parameter, want.parameter) << want.id;
            EXPECT_EQ(entry.Group, want.group) << want.id;
            EXPECT_EQ(entry.Text, want.texts[language]) << want.id << " in " << kCodes[language];
            EXPECT_EQ(program.catalogue.Find(want.id), &entry);
        }
    }
}

TEST(AssignmentCatalogue, GroupTitlesFollowTheLanguage) {
    struct Case {
        const char* code;
        const char* titles[4]; // DPI, media, shortcut, system
    };
    const Case cases[] = {
        {"CHS", {"DPI切换 +", "多媒体 +", "快捷键 +", "Windows +"}},
        {"CHT", {"DPI 設定 +", "多媒體指令 +", "文書處理功能 +", "基本操作功能 +"}},
        {"EN", {"DPI Setting +", "Multimedia Commands +", "Basic Commands +", "Additional Commands +"}},
        {"DE",
         {"DPI-Einstellung +", "Multimedia-Funktionen +", "Grundlegende-Funktionen +",
          "Zusätzliche-Funktionen +"}},
        {"en", {"", "", "", ""}},
    };
    for (const Case& c : cases) {
        Program program(c.code);
        EXPECT_EQ(program.catalogue.GroupTitle(CatalogueGroup::Dpi), c.titles[0]) << c.code;
        EXPECT_EQ(program.catalogue.GroupTitle(CatalogueGroup::Media), c.titles[1]) << c.code;
        EXPECT_EQ(program.catalogue.GroupTitle(CatalogueGroup::Shortcut), c.titles[2]) << c.code;
        EXPECT_EQ(program.catalogue.GroupTitle(CatalogueGroup::System), c.titles[3]) << c.code;
        EXPECT_EQ(program.catalogue.GroupTitle(CatalogueGroup::Fixed), "") << c.code;
    }
}

TEST(AssignmentCatalogue, AnUnknownCodeLeavesTableTextsEmptyAndListsEnglish) {
    for (const char* code : {"", "en", "JP"}) {
        Program program(code);
        const auto text = [&](int id) { return program.catalogue.Find(id)->Text; };
        EXPECT_EQ(text(2001), "") << code;
        EXPECT_EQ(text(2013), "") << code;
        EXPECT_EQ(text(2050), "Open Media Player") << code;
        EXPECT_EQ(text(2063), "Paste") << code;
        EXPECT_EQ(text(2036), "Run") << code;
        // The DPI names are English until start-up replaces them with the (empty) table texts.
        EXPECT_EQ(text(2022), "DPI Loop") << code;
        program.catalogue.ApplyDpiNames(program.table);
        EXPECT_EQ(text(2022), "") << code;
        EXPECT_EQ(program.catalogue.ClickGuardMessage(), "") << code;
    }
}

TEST(AssignmentCatalogue, DpiNamesStartEnglishInEveryLanguage) {
    Program program("CHT");
    EXPECT_EQ(program.catalogue.Find(2022)->Text, "DPI Loop");
    program.catalogue.ApplyDpiNames(program.table);
    EXPECT_EQ(program.catalogue.Find(2022)->Text, "DPI循環檔");
}

TEST(AssignmentCatalogue, AssignStoresKindParameterAndCaption) {
    struct Case {
        int id;
        std::size_t slot;
        std::size_t field; // record offset of the parameter array, 0 for none
        std::uint8_t kind;
        std::uint8_t parameter;
        const char* caption;
    };
    const Case cases[] = {
        {2063, 1, 241, 8, 25, "Paste"},         {2002, 0, 0, 1, 0, "Menu"},
        {2003, 2, 0, 2, 0, "Scroll "},          {2010, 6, 0, 18, 0, "Snipe"},
        {2013, 3, 0, 13, 0, "Deactivated"},     {2022, 5, 185, 6, 3, "DPI Loop"},
        {2057, 4, 201, 7, 0xEA, "Volume Down"}, {2035, 2, 209, 9, 5, "Show desktop"},
    };
    for (const Case& c : cases) {
        Program program("EN");
        program.catalogue.ApplyDpiNames(program.table);
        ProfileSettings& working = program.session.Working;
        std::memset(working.Bytes(), 0xAA, ProfileSettings::kSize);
        const ProfileSettings before = working;

        EXPECT_EQ(program.catalogue.Assign(c.id, c.slot, program.session), Outcome::Assigned) << c.id;

        const std::size_t kindOffset = 177 + c.slot;
        const std::size_t parameterOffset = c.field + c.slot;
        for (std::size_t i = 0; i < ProfileSettings::kSize; ++i) {
            std::uint8_t expected = before.Bytes()[i];
            if (i == kindOffset) {
                expected = c.kind;
            } else if (c.field != 0 && i == parameterOffset) {
                expected = c.parameter;
            }
            ASSERT_EQ(working.Bytes()[i], expected) << c.id << " byte " << i;
        }
        for (std::size_t slot = 0; slot < ProfileSettings::kButtonSlots; ++slot) {
            EXPECT_EQ(program.session.Captions[slot], slot == c.slot ? c.caption : "") << c.id;
        }
    }
}

TEST(AssignmentCatalogue, CommandsOutsideTheCatalogueOrSlotsChangeNothing) {
    struct Case {
        int id;
        std::size_t slot;
        Outcome outcome;
    };
    const Case cases[] = {
        {1003, 0, Outcome::Ignored},     {2007, 0, Outcome::Ignored},  {2070, 0, Outcome::Ignored},
        {2001, 7, Outcome::Ignored},     {2001, 99, Outcome::Ignored}, {2011, 2, Outcome::NeedsDialog},
        {2012, 2, Outcome::NeedsDialog},
    };
    for (const Case& c : cases) {
        Program program("EN");
        const ProfileSettings before = program.session.Working;
        EXPECT_EQ(program.catalogue.Assign(c.id, c.slot, program.session), c.outcome) << c.id;
        EXPECT_EQ(std::memcmp(program.session.Working.Bytes(), before.Bytes(), ProfileSettings::kSize), 0);
        for (const std::string& caption : program.session.Captions) {
            EXPECT_EQ(caption, "");
        }
    }
}

TEST(AssignmentCatalogue, SingleKeyDialogEnds) {
    struct Case {
        const char* code;
        DialogEnd end;
        const char* name;
        Outcome outcome;
        std::uint8_t usage;
        const char* caption;
    };
    const Case cases[] = {
        {"EN", DialogEnd::Ok, "Num Enter", Outcome::Assigned, 88, "Assign Keyboard Key-Num Enter"},
        {"EN", DialogEnd::Ok, "-", Outcome::Assigned, 45, "Assign Keyboard Key--"},
        {"EN", DialogEnd::Ok, "App", Outcome::Ignored, 0x77, "old"},
        {"EN", DialogEnd::Ok, "Button 4", Outcome::Ignored, 0x77, "old"},
        {"DE", DialogEnd::Ok, "F5", Outcome::Assigned, 62, "Keyboard-Taste zuweisen +-F5"},
        {"CHS", DialogEnd::Ok, "A", Outcome::Assigned, 4, "单键-A"},
        {"EN", DialogEnd::Ok, "", Outcome::Ignored, 0x77, "old"},
        {"EN", DialogEnd::Cancel, "B", Outcome::Ignored, 0x77, "old"},
    };
    for (const Case& c : cases) {
        Program program(c.code);
        program.session.Working.ButtonKey[3] = 0x77;
        program.session.Working.ButtonAssignmentKind[3] = 0;
        program.session.Captions[3] = "old";
        EXPECT_EQ(program.catalogue.AssignSingleKey(3, c.end, c.name, program.session), c.outcome) << c.name;
        EXPECT_EQ(program.session.Working.ButtonKey[3], c.usage) << c.name;
        EXPECT_EQ(program.session.Working.ButtonAssignmentKind[3], c.outcome == Outcome::Assigned ? 10 : 0);
        EXPECT_EQ(program.session.Captions[3], c.caption);
    }
}

TEST(AssignmentCatalogue, MacroDialogEnds) {
    struct Case {
        const char* code;
        DialogEnd end;
        int index;
        std::uint8_t mode;
        Outcome outcome;
        const char* caption;
    };
    const Case cases[] = {
        {"EN", DialogEnd::Ok, 3, 2, Outcome::Assigned, "Macro:Macro_4"},
        {"EN", DialogEnd::Ok, 11, 0, Outcome::Assigned, "Macro:Macro_4"},
        {"CHT", DialogEnd::Ok, 0, 1, Outcome::Assigned, "巨集鍵:Macro_4"},
        {"EN", DialogEnd::Ok, -1, 0, Outcome::Ignored, "old"},
        {"EN", DialogEnd::Ok, 12, 0, Outcome::Ignored, "old"},
        {"EN", DialogEnd::Ok, 1, 3, Outcome::Ignored, "old"},
        {"EN", DialogEnd::Cancel, 3, 2, Outcome::Ignored, "old"},
    };
    for (const Case& c : cases) {
        Program program(c.code);
        ProfileSettings& working = program.session.Working;
        working.ButtonMacroIndex[6] = 9;
        working.ButtonMacroMode[6] = 1;
        program.session.Captions[6] = "old";
        EXPECT_EQ(program.catalogue.AssignMacro(6, c.end, c.index, c.mode, "Macro_4", program.session),
                  c.outcome);
        const bool assigned = c.outcome == Outcome::Assigned;
        EXPECT_EQ(working.ButtonMacroIndex[6], assigned ? c.index : 9);
        EXPECT_EQ(working.ButtonMacroMode[6], assigned ? c.mode : 1);
        EXPECT_EQ(working.ButtonAssignmentKind[6], assigned ? 11 : 0);
        EXPECT_EQ(program.session.Captions[6], c.caption);
    }
}

TEST(MacroCaptionName, TheNameIsTheTextAfterTheFirstColon) {
    struct Case {
        const char* caption;
        const char* name;
        const char* renamed; // the caption after the macro is renamed to "New"
    };
    const Case cases[] = {
        {"Macro:Macro_1", "Macro_1", "Macro:New"},
        {"Macro:Game:Jump", "Game:Jump", "Macro:New"},
        {"Makro:x:y:z", "x:y:z", "Makro:New"},
        {"Macro:", "", "Macro:New"},
        {"Click", "Click", "New"},
        {"", "", "New"},
        {"宏:宏_2", "宏_2", "宏:New"},
        {"巨集::", ":", "巨集:New"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MacroCaptionName::Of(c.caption), c.name) << c.caption;
        EXPECT_EQ(MacroCaptionName::Replaced(c.caption, "New"), c.renamed) << c.caption;
    }
}

TEST(AssignmentCatalogue, MacroDialogIsPresetOnlyFromAMacroCaption) {
    struct Case {
        const char* code;
        const char* caption;
        bool preset;
        const char* name;
    };
    const Case cases[] = {
        {"EN", "Macro:first:second", true, "first:second"},
        {"EN", "Assign Keyboard Key-A", false, ""},
        {"DE", "Makro:Makro_2", true, "Makro_2"},
        {"DE", "Macro:Macro_2", false, ""},
        {"CHS", "宏:宏_1", true, "宏_1"},
        {"en", "Macro:Macro_1", false, ""}, // no macro text without a language
    };
    for (const Case& c : cases) {
        Program program(c.code);
        program.session.Captions[2] = c.caption;
        program.session.Working.ButtonMacroIndex[2] = 5;
        program.session.Working.ButtonMacroMode[2] = 2;
        const auto preset = program.catalogue.MacroDialogPreset(program.session, 2);
        ASSERT_EQ(preset.has_value(), c.preset) << c.caption;
        if (preset) {
            EXPECT_EQ(preset->Name, c.name);
            EXPECT_EQ(preset->Index, 5);
            EXPECT_EQ(preset->Mode, 2);
        }
    }
}

TEST(AssignmentCatalogue, KeyCaptureOpensWithTheSlotsKey) {
    struct Case {
        std::uint8_t usage;
        const char* name;
    };
    const Case cases[] = {{0, ""}, {0x32, "Eurpo(Note 2)"}, {25, "V"}, {0xFF, "N/A"}, {101, "Application"}};
    for (const Case& c : cases) {
        ProfileSettings profile{};
        profile.ButtonKey[4] = c.usage;
        EXPECT_EQ(AssignmentCatalogue::InitialKeyName(profile, 4), c.name) << int(c.usage);
    }
}

TEST(AssignmentCatalogue, ClickGuardProtectsTheOnlyClick) {
    struct Case {
        std::uint8_t kinds[8];
        std::size_t slot;
        bool refuses;
    };
    const Case cases[] = {
        {{0, 1, 2, 4, 3, 6, 6, 13}, 0, true},  {{0, 1, 2, 4, 3, 6, 6, 13}, 1, false},
        {{0, 0, 2, 4, 3, 6, 6, 13}, 0, false}, {{0, 0, 2, 4, 3, 6, 6, 13}, 1, false},
        {{1, 1, 1, 1, 1, 1, 0, 13}, 6, true},  {{1, 1, 1, 1, 1, 1, 2, 0}, 6, false},
        {{1, 1, 1, 1, 1, 1, 0, 0}, 6, true},   {{0, 1, 2, 4, 3, 6, 6, 13}, 7, false},
    };
    for (const Case& c : cases) {
        ProfileSettings profile{};
        std::memcpy(profile.ButtonAssignmentKind, c.kinds, 8);
        EXPECT_EQ(AssignmentCatalogue::ClickGuardRefuses(profile, c.slot), c.refuses) << "slot " << c.slot;
    }
    Program program("CHT");
    EXPECT_EQ(program.catalogue.ClickGuardMessage(), "至少一鍵須設定為左鍵功能");
    EXPECT_EQ(program.catalogue.ClickGuardCaption(), "警告!!");
}

TEST(AssignmentCatalogue, TheDefaultAssignmentIsTheFactoryDefault) {
    const ProfileSettings defaults = ProfileSettings::FactoryDefaults();
    for (const auto& assignment : AssignmentCatalogue::DefaultAssignments()) {
        EXPECT_EQ(defaults.ButtonAssignmentKind[assignment.Slot], static_cast<std::uint8_t>(assignment.Kind));
        if (assignment.Kind == AssignmentKind::DpiFunction) {
            EXPECT_EQ(defaults.ButtonDpiFunction[assignment.Slot], assignment.DpiFunction);
        }
    }
    struct Case {
        const char* code;
        const char* captions[7]; // by slot
    };
    const Case cases[] = {
        {"EN", {"Click", "Menu", "Scroll ", "Back", "Forward", "DPI +", "DPI -"}},
        {"DE", {"Klick", "Menü", "Scrollen", "Zurück", "Vorwärts", "DPI +", "DPI -"}},
        {"CHS", {"左键", "右键", "中键", "后退方向键", "前进方向键", "DPI +", "DPI -"}},
        {"CHT", {"點擊", "選項", "滾輪", "後退", "前進", "DPI +", "DPI -"}},
    };
    for (const Case& c : cases) {
        Program program(c.code);
        program.catalogue.ApplyDpiNames(program.table);
        const auto captions = program.catalogue.DefaultCaptions();
        for (std::size_t slot = 0; slot < 7; ++slot) {
            EXPECT_EQ(captions[slot], c.captions[slot]) << c.code << " slot " << slot;
        }
    }
}

TEST(AssignmentCatalogue, RowsShowSlotsWithRowsFourAndFiveSwapped) {
    const int expected[] = {-1, 0, 1, 2, 4, 3, 5, 6, -1};
    for (int row = 0; row < static_cast<int>(std::size(expected)); ++row) {
        EXPECT_EQ(MainWindowLayout::SlotOfRow(row), expected[row]) << "row " << row;
    }
    // The factory assignments name the same rows.
    for (const auto& assignment : AssignmentCatalogue::DefaultAssignments()) {
        EXPECT_EQ(MainWindowLayout::SlotOfRow(static_cast<int>(assignment.Row)),
                  static_cast<int>(assignment.Slot));
    }
    // Assigning through row "Button 4" changes slot 4, through row "Button 5" slot 3.
    Program program("EN");
    program.catalogue.Assign(2005, static_cast<std::size_t>(MainWindowLayout::SlotOfRow(4)), program.session);
    EXPECT_EQ(program.session.Working.ButtonAssignmentKind[4], 4);
    EXPECT_EQ(program.session.Working.ButtonAssignmentKind[3], 0);
}

} // namespace
} // namespace corvalith
