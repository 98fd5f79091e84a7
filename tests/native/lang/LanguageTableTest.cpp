#include "lang/LanguageTable.h"
#include "doubles/MemoryFileSystem.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

LanguageTable Filled(std::string_view code) {
    LanguageTable table;
    table.Fill(code);
    return table;
}

TEST(LanguageTable, OnlyTheFourExactCodesFillTheTable) {
    struct Case {
        const char* code;
        const char* section; // entry 1, "" when nothing is filled
    };
    const Case cases[] = {
        {"CHS", "Setting-CHS"},
        {"CHT", "Setting-CHT"},
        {"EN", "Setting-EN"},
        {"DE", "Setting-DE"},
        {"en", ""},
        {"chs", ""},
        {"De", ""},
        {" EN", ""},
        {"EN ", ""},
        {"", ""},
        {"JP", ""},
        {"ENG", ""},
    };
    for (const Case& c : cases) {
        const LanguageTable table = Filled(c.code);
        EXPECT_EQ(table.Code(), c.code);
        EXPECT_EQ(table.Entry(1), c.section) << '"' << c.code << '"';
        if (c.section[0] == '\0') {
            for (std::size_t n = 1; n <= LanguageTable::kEntryCount; ++n) {
                EXPECT_EQ(table.Entry(n), "") << '"' << c.code << "\" entry " << n;
            }
        }
    }
}

TEST(LanguageTable, EnglishTextsAreTheProgramsOwn) {
    const char* expected[LanguageTable::kEntryCount + 1] = {
        nullptr,
        "Setting-EN",
        "Corvalith",
        "OK",
        "Reset",
        "Cancel",
        "Config",
        "Top View",
        "Side View",
        "Button Assignment",
        "Macro Manager",
        "Axis Sensitivity",
        "Lift off distance",
        "DPI Setting",
        "Lighting",
        "MousePad Lighting",
        "Polling Rate",
        "Mouse Speed",
        "Double-Click Speed",
        "Scroll Speed",
        "Angle Snapping",
        "x-Axis",
        "y-Axis",
        "Button 1",
        "Button 2",
        "Button 3",
        "Button 4",
        "Button 5",
        "Button 6",
        "Button 7",
        "DPI +",
        "DPI -",
        "DPI Loop",
        "Slow",
        "Fast",
        "Number of Rows",
        "Scroll One screenn",
        "Standard",
        "Respiration",
        "Neon",
        "Finger tapping",
        "Stream",
        "Mouse Color",
        "Click",
        "Menu",
        "Scroll ",
        "Forward",
        "Back",
        "DPI Setting +",
        "Additional Commands +",
        "Multimedia Commands +",
        "Basic Commands +",
        "Assign Keyboard Key",
        "Macro",
        "Deactivated",
        "Double-Click",
        "Snipe",
        "At least one button must be set as the \"click\" function.",
        nullptr, // the maker's web address, a build setting
        "Update",
        "Switch DPI into the first stage ",
        "Switch DPI into the second stage ",
        "Switch DPI into the third stage ",
        "Switch DPI into the fourth stage ",
        "Switch DPI into the fifth stage ",
        "Switch DPI into the sixth stage ",
        "Switch DPI into the seven stage ",
        "Switch DPI into the eight stage ",
        "Exit",
        "The system did not detect Corvalith!",
        "The system detect Corvalith.",
        "Reset to factory default?",
        "ATTENTION!!",
        "Note: the color of the product in drive is for reference only,please take real product as "
        "criterion, "
        "thank you!",
        "OFF",
        "ON",
        "If this function is turned off by the software, then it must be turned on by the software",
        "Note",
        "The Lift Off Distance function is off at the factory setting. it is recommended to use this "
        "function "
        "on the solid color mouse pad .You can turn this function on/off in the driver.",
    };
    const LanguageTable table = Filled("EN");
    for (std::size_t n = 1; n <= LanguageTable::kEntryCount; ++n) {
        if (expected[n] != nullptr) {
            EXPECT_EQ(table.Entry(n), expected[n]) << "entry " << n;
        }
    }
}

TEST(LanguageTable, GivenTranslationsAreUsedExactly) {
    struct Row {
        std::size_t entry;
        const char* chs;
        const char* cht;
        const char* en;
        const char* de;
    };
    const Row rows[] = {
        {1, "Setting-CHS", "Setting-CHT", "Setting-EN", "Setting-DE"},
        {2, "VarnelCorvalith鼠标", "VarnelCorvalith鼠标", "Corvalith", "Corvalith"},
        {4, "恢复", "重置", "Reset", "Zurücksetzen"},
        {6, "配置", "遊戲設定檔", "Config", "Spiel-Profile"},
        {9, "按钮分配", "按鍵指派", "Button Assignment", "Tastenbelegung"},
        {11, "X/Y轴设置", "xy 軸靈敏度", "Axis Sensitivity", "Achsen-Empfindlichkeit"},
        {23, "按钮 1", "按鍵 1", "Button 1", "Taste 1"},
        {30, "DPI +", "DPI +", "DPI +", "DPI +"},
        {31, "DPI -", "DPI -", "DPI -", "DPI -"},
        {32, "DPI loop", "DPI循環檔", "DPI Loop", "DPI Schleife"},
        {42, "鼠标颜色", "滑鼠颜色", "Mouse Color", "鼠标颜色"},
        {43, "左键", "點擊", "Click", "Klick"},
        {44, "右键", "選項", "Menu", "Menü"},
        {45, "中键", "滾輪", "Scroll ", "Scrollen"},
        {46, "前进方向键", "前進", "Forward", "Vorwärts"},
        {47, "后退方向键", "後退", "Back", "Zurück"},
        {48, "DPI切换 +", "DPI 設定 +", "DPI Setting +", "DPI-Einstellung +"},
        {49, "Windows +", "基本操作功能 +", "Additional Commands +", "Zusätzliche-Funktionen +"},
        {50, "多媒体 +", "多媒體指令 +", "Multimedia Commands +", "Multimedia-Funktionen +"},
        {51, "快捷键 +", "文書處理功能 +", "Basic Commands +", "Grundlegende-Funktionen +"},
        {52, "单键", "指派鍵盤按鍵", "Assign Keyboard Key", "Keyboard-Taste zuweisen +"},
        {53, "宏", "巨集鍵", "Macro", "Makro"},
        {54, "按键关闭", "無作用", "Deactivated", "Deaktiviert"},
        {55, "双击", "雙擊", "Double-Click", "Doppelklick"},
        {56, "狙击键", "Snipe", "Snipe", "Snipe"},
        {57, "左键功能必须选择！", "至少一鍵須設定為左鍵功能",
         "At least one button must be set as the \"click\" function.",
         "Mindestens eine Taste muss mit der „Klick“-Funktion belegt sein."},
        {59, "驱动更新", "驱动更新", "Update", "Update"},
        {60, "DPI切换到第一段 ", "DPI切換到第一段 ", "Switch DPI into the first stage ",
         "Switch DPI into the first stage "},
        {68, "退出", "退出", "Exit", "Exit"},
        {69, "系统没有检测到VarnelCorvalith鼠标！", "系統沒有檢測到VarnelCorvalith鼠标！",
         "The system did not detect Corvalith!", "The system did not detect Corvalith!"},
        {71, "是否恢复到出厂默认值?", "是否恢復到出廠預設值?", "Reset to factory default?",
         "Auf Werkseinstellungen zurücksetzen?"},
        {72, "注意!", "警告!!", "ATTENTION!!", "ACHTUNG!!"},
        {73, "备注：驱动中的产品颜色仅供参考，具体请以实物为准，谢谢！", "",
         "Note: the color of the product in drive is for reference only,please take real product as "
         "criterion, thank you!",
         ""},
        {74, "关闭", "", "OFF", ""},
        {75, "开启", "", "ON", ""},
        {79, "Corvalith：正在写入鼠标设置...", "Corvalith：正在寫入滑鼠設定...",
         "Corvalith: writing the settings to the mouse...",
         "Corvalith: Einstellungen werden in die Maus geschrieben..."},
        // German keeps these English texts.
        {12, nullptr, nullptr, "Lift off distance", "Lift off distance"},
        {14, nullptr, nullptr, "Lighting", "Lighting"},
        {41, nullptr, nullptr, "Stream", "Stream"},
    };
    const LanguageTable tables[] = {Filled("CHS"), Filled("CHT"), Filled("EN"), Filled("DE")};
    for (const Row& row : rows) {
        const char* texts[] = {row.chs, row.cht, row.en, row.de};
        for (std::size_t language = 0; language < 4; ++language) {
            if (texts[language] != nullptr) {
                EXPECT_EQ(tables[language].Entry(row.entry), texts[language])
                    << "entry " << row.entry << " in " << tables[language].Code();
            }
        }
    }
}

TEST(LanguageTable, EveryEntryIsFilledExceptTheDocumentedGaps) {
    for (const char* code : {"CHS", "CHT", "EN", "DE"}) {
        const LanguageTable table = Filled(code);
        const bool hasGaps = std::string_view(code) == "CHT" || std::string_view(code) == "DE";
        for (std::size_t n = 1; n <= LanguageTable::kEntryCount; ++n) {
            const bool gap = hasGaps && n >= 73 && n <= 75;
            EXPECT_EQ(table.Entry(n).empty(), gap)
                << code << " entry " << n << ": \"" << table.Entry(n) << '"';
        }
        EXPECT_EQ(table.Entry(0), "");
        EXPECT_EQ(table.Entry(LanguageTable::kEntryCount + 1), "");
    }
}

TEST(LanguageTable, TheMakersAddressIsTheSameInEveryLanguage) {
    const std::string address = Filled("EN").Text(TextEntry::MakerAddress);
    EXPECT_EQ(address.rfind("http", 0), 0u) << address;
    for (const char* code : {"CHS", "CHT", "DE"}) {
        EXPECT_EQ(Filled(code).Entry(58), address) << code;
    }
}

TEST(LanguageTable, NamedEntriesKeepTheTablesNumbering) {
    struct Case {
        TextEntry entry;
        std::size_t number;
    };
    const Case cases[] = {
        {TextEntry::SettingSection, 1}, {TextEntry::Button1, 23},           {TextEntry::Button7, 29},
        {TextEntry::DpiUp, 30},         {TextEntry::MouseColor, 42},        {TextEntry::Click, 43},
        {TextEntry::SystemGroup, 49},   {TextEntry::ClickGuardMessage, 57}, {TextEntry::MakerAddress, 58},
        {TextEntry::DpiStage1, 60},     {TextEntry::DpiStage8, 67},         {TextEntry::Exit, 68},
        {TextEntry::Attention, 72},     {TextEntry::LiftOffNote, 78},       {TextEntry::WritingToMouse, 79},
        {TextEntry::ActiveProfile, 81},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(static_cast<std::size_t>(c.entry), c.number);
    }
}

TEST(LanguageCode, DecisionsTakenFromTheCode) {
    struct Case {
        const char* code;
        bool known;
        Language list;
        const char* font;
    };
    const Case cases[] = {
        {"CHS", true, Language::SimplifiedChinese, "黑体"},
        {"CHT", true, Language::TraditionalChinese, "黑体"},
        {"EN", true, Language::English, "Arial"},
        {"DE", true, Language::German, "Arial"},
        {"", false, Language::English, "Arial"},
        {"chs", false, Language::English, "Arial"},
        {"de", false, Language::English, "Arial"},
        {"JP", false, Language::English, "Arial"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LanguageCode::Parse(c.code).has_value(), c.known) << c.code;
        EXPECT_EQ(LanguageCode::ListLanguage(c.code), c.list) << c.code;
        EXPECT_EQ(LanguageCode::FontFace(c.code), c.font) << c.code;
    }
}

TEST(LanguageCode, AnUnusableStoredCodeFallsBackToTheWindowsLanguage) {
    struct Case {
        const char* stored;
        std::uint16_t uiLanguage; // LANGID
        bool usable;
        const char* chosen;
    };
    const Case cases[] = {
        {"CHS", 0x0409, true, "CHS"}, {"CHT", 0x0407, true, "CHT"}, {"EN", 0x0804, true, "EN"},
        {"DE", 0x0411, true, "DE"},   {"", 0x0407, false, "DE"}, // de-DE
        {"", 0x0807, false, "DE"},                               // de-CH
        {"", 0x0C07, false, "DE"},                               // de-AT
        {"en", 0x0C07, false, "DE"},                             // the case of a code matters
        {"EN ", 0x0007, false, "DE"},                            // de, neutral
        {"", 0x0804, false, "CHS"},                              // zh-CN
        {"", 0x1004, false, "CHS"},                              // zh-SG
        {"", 0x0004, false, "CHS"},                              // zh-Hans
        {"", 0x0404, false, "CHT"},                              // zh-TW
        {"", 0x0C04, false, "CHT"},                              // zh-HK
        {"", 0x1404, false, "CHT"},                              // zh-MO
        {"", 0x7C04, false, "CHT"},                              // zh-Hant
        {"JP", 0x0409, false, "EN"},                             // en-US
        {"chs", 0x0411, false, "EN"},                            // ja-JP
        {"", 0x0000, false, "EN"},                               // neutral
        {"", 0x0C09, false, "EN"}, // en-AU: sub-language 3 of another language is not Chinese
        {"", 0x0444, false, "EN"}, // tt-RU: primary 0x44, not Chinese though its low byte ends in 4
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "\"" << c.stored << "\" " << std::hex << c.uiLanguage);
        EXPECT_EQ(LanguageCode::IsUsable(c.stored), c.usable);
        EXPECT_EQ(LanguageCode::Choose(c.stored, c.uiLanguage), c.chosen);
    }
}

TEST(LanguageCode, IsReadFromTheSkinsSectionOfTheTextFile) {
    struct Case {
        const char* content;
        const char* code;
    };
    const Case cases[] = {
        {"[Skins]\r\nLan=DE\r\n", "DE"},
        {"[skins]\r\nlan = CHT \r\n", "CHT"},
        {"[Profile]\r\nLan=EN\r\n", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        test::MemoryFileSystem files;
        files.PutText("/d/str.ini", c.content);
        EXPECT_EQ(LanguageCode::ReadFrom(ini::IniFile(files, "/d/str.ini")), c.code) << c.content;
    }
    test::MemoryFileSystem empty;
    EXPECT_EQ(LanguageCode::ReadFrom(ini::IniFile(empty, "/d/missing.ini")), "");
}

} // namespace
} // namespace corvalith
