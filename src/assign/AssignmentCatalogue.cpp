#include "assign/AssignmentCatalogue.h"

#include "assign/KeyTables.h"
#include "assign/MacroCaptionName.h"

namespace corvalith {

namespace {

// A list entry with its texts in simplified Chinese, traditional Chinese, English and German.
struct ListEntry {
    int CommandId;
    std::uint8_t Parameter;
    std::array<std::string_view, 4> Texts;
};

constexpr std::array kMediaEntries = {
    ListEntry{2050, 0x83, {"多媒体播放器", "開啟媒體播放器", "Open Media Player", "Mediaplayer öffnen"}},
    ListEntry{2051, 0xB5, {"下一首", "下一首", "Next Track", "Nächster Titel"}},
    ListEntry{2052, 0xB6, {"上一首", "上一首", "Previous Track", "Vorheriger Titel"}},
    ListEntry{2053, 0xB7, {"停止", "停止", "Stop", "Stopp"}},
    ListEntry{2054, 0xCD, {"播放/暂停", "播放/暫停", "Play/Pause", "Play/Pause"}},
    ListEntry{2055, 0xE2, {"静音", "靜音", "Mute", "Stumm"}},
    ListEntry{2056, 0xE9, {"音量+", "提高音量", "Volume Up", "Lautstärke +"}},
    ListEntry{2057, 0xEA, {"音量-", "降低音量", "Volume Down", "Lautstärke -"}},
};

// The stored byte is the HID keyboard usage of the letter pressed together with Ctrl.
constexpr std::array kShortcutEntries = {
    ListEntry{2060, 17, {"新建", "新建", "New", "Neu"}},
    ListEntry{2061, 27, {"剪切", "剪下", "Cut", "Ausschneiden"}},
    ListEntry{2062, 6, {"复制", "複製", "Copy", "Kopieren"}},
    ListEntry{2063, 25, {"粘贴", "貼上", "Paste", "Einfügen"}},
    ListEntry{2064, 22, {"保存", "儲存", "Save", "Speichern"}},
    ListEntry{2065, 19, {"打印", "列印", "Print", "Drucken"}},
    ListEntry{2066, 9, {"查找", "尋找", "Find", "Suchen"}},
    ListEntry{2067, 28, {"重复", "重做", "Redo", "Wiederherstellen"}},
    ListEntry{2068, 29, {"撤销", "復原", "Undo", "Rückgängig machen"}},
    ListEntry{2069, 4, {"全选", "選擇全部", "Select All", "Alles auswählen"}},
};

constexpr std::array kSystemEntries = {
    ListEntry{2030, 0, {"我的电脑", "我的電腦", "My computer", "Arbeitsplatz"}},
    ListEntry{2031, 1, {"浏览器-主页", "首頁", "Web Home", "Web: Startseite"}},
    ListEntry{2032, 2, {"搜索", "搜尋程式及檔案", "Search Computer", "Computer durchsuchen"}},
    ListEntry{2033, 3, {"最大化", "最大化", "Maximize", "Maximieren"}},
    ListEntry{2034, 4, {"最小化", "最小化", "Minimize", "Minimieren"}},
    ListEntry{2035, 5, {"显示桌面", "顯示桌面", "Show desktop", "Desktop anzeigen"}},
    ListEntry{2036, 6, {"运行", "運行", "Run", "Ausführen"}},
};

struct FixedEntry {
    int CommandId;
    AssignmentKind Kind;
    TextEntry Text;
};

constexpr std::array kLeadingEntries = {
    FixedEntry{2001, AssignmentKind::Click, TextEntry::Click},
    FixedEntry{2002, AssignmentKind::Menu, TextEntry::Menu},
    FixedEntry{2003, AssignmentKind::Scroll, TextEntry::Scroll},
    FixedEntry{2004, AssignmentKind::Forward, TextEntry::Forward},
    FixedEntry{2005, AssignmentKind::Back, TextEntry::Back},
    FixedEntry{2006, AssignmentKind::DoubleClick, TextEntry::DoubleClick},
    FixedEntry{2010, AssignmentKind::Snipe, TextEntry::Snipe},
};

constexpr std::array kTrailingEntries = {
    FixedEntry{AssignmentCatalogue::kSingleKeyCommand, AssignmentKind::SingleKey,
               TextEntry::AssignKeyboardKey},
    FixedEntry{AssignmentCatalogue::kMacroCommand, AssignmentKind::Macro, TextEntry::Macro},
    FixedEntry{2013, AssignmentKind::Deactivated, TextEntry::Deactivated},
};

struct DpiEntry {
    int CommandId;
    std::uint8_t Function;
    std::string_view English;
    TextEntry Text;
};

constexpr std::array kDpiEntries = {
    DpiEntry{2020, 1, "DPI +", TextEntry::DpiUp},
    DpiEntry{2021, 2, "DPI -", TextEntry::DpiDown},
    DpiEntry{2022, 3, "DPI Loop", TextEntry::DpiLoop},
};

constexpr std::array kDefaults = {
    AssignmentCatalogue::DefaultAssignment{1, 0, AssignmentKind::Click, 0},
    AssignmentCatalogue::DefaultAssignment{2, 1, AssignmentKind::Menu, 0},
    AssignmentCatalogue::DefaultAssignment{3, 2, AssignmentKind::Scroll, 0},
    AssignmentCatalogue::DefaultAssignment{4, 4, AssignmentKind::Forward, 0},
    AssignmentCatalogue::DefaultAssignment{5, 3, AssignmentKind::Back, 0},
    AssignmentCatalogue::DefaultAssignment{6, 5, AssignmentKind::DpiFunction, 1},
    AssignmentCatalogue::DefaultAssignment{7, 6, AssignmentKind::DpiFunction, 2},
};

std::size_t ColumnOf(Language language) {
    switch (language) {
    case Language::SimplifiedChinese:
        return 0;
    case Language::TraditionalChinese:
        return 1;
    case Language::German:
        return 3;
    case Language::English:
        break;
    }
    return 2;
}

const std::string kNoText;

} // namespace

AssignmentCatalogue::AssignmentCatalogue(const LanguageTable& table) {
    const std::size_t column = ColumnOf(LanguageCode::ListLanguage(table.Code()));
    auto addFixed = [&](const FixedEntry& fixed) {
        entries_.push_back({fixed.CommandId, fixed.Kind, 0, CatalogueGroup::Fixed, table.Text(fixed.Text)});
    };
    auto addList = [&](const auto& list, AssignmentKind kind, CatalogueGroup group) {
        for (const ListEntry& entry : list) {
            entries_.push_back(
                {entry.CommandId, kind, entry.Parameter, group, std::string(entry.Texts[column])});
        }
    };

    for (const FixedEntry& fixed : kLeadingEntries) {
        addFixed(fixed);
    }
    for (const DpiEntry& dpi : kDpiEntries) {
        entries_.push_back({dpi.CommandId, AssignmentKind::DpiFunction, dpi.Function, CatalogueGroup::Dpi,
                            std::string(dpi.English)});
    }
    addList(kMediaEntries, AssignmentKind::MediaKey, CatalogueGroup::Media);
    addList(kShortcutEntries, AssignmentKind::CtrlShortcut, CatalogueGroup::Shortcut);
    addList(kSystemEntries, AssignmentKind::SystemFunction, CatalogueGroup::System);
    for (const FixedEntry& fixed : kTrailingEntries) {
        addFixed(fixed);
    }

    groupTitles_[static_cast<std::size_t>(CatalogueGroup::Dpi)] = table.Text(TextEntry::DpiGroup);
    groupTitles_[static_cast<std::size_t>(CatalogueGroup::Media)] = table.Text(TextEntry::MediaGroup);
    groupTitles_[static_cast<std::size_t>(CatalogueGroup::Shortcut)] = table.Text(TextEntry::ShortcutGroup);
    groupTitles_[static_cast<std::size_t>(CatalogueGroup::System)] = table.Text(TextEntry::SystemGroup);
    clickGuardMessage_ = table.Text(TextEntry::ClickGuardMessage);
    clickGuardCaption_ = table.Text(TextEntry::Attention);
}

void AssignmentCatalogue::ApplyDpiNames(const LanguageTable& table) {
    for (const DpiEntry& dpi : kDpiEntries) {
        if (CatalogueEntry* entry = FindMutable(dpi.CommandId)) {
            entry->Text = table.Text(dpi.Text);
        }
    }
}

const CatalogueEntry* AssignmentCatalogue::Find(int commandId) const {
    for (const CatalogueEntry& entry : entries_) {
        if (entry.CommandId == commandId) {
            return &entry;
        }
    }
    return nullptr;
}

CatalogueEntry* AssignmentCatalogue::FindMutable(int commandId) {
    return const_cast<CatalogueEntry*>(Find(commandId));
}

const std::string& AssignmentCatalogue::TextOf(int commandId) const {
    const CatalogueEntry* entry = Find(commandId);
    return entry != nullptr ? entry->Text : kNoText;
}

const std::string& AssignmentCatalogue::GroupTitle(CatalogueGroup group) const {
    return groupTitles_[static_cast<std::size_t>(group)];
}

AssignmentCatalogue::Outcome AssignmentCatalogue::Assign(int commandId, std::size_t slot,
                                                         ProfileSession& session) const {
    const CatalogueEntry* entry = Find(commandId);
    if (entry == nullptr || slot >= kAssignableSlots) {
        return Outcome::Ignored;
    }
    if (commandId == kSingleKeyCommand || commandId == kMacroCommand) {
        return Outcome::NeedsDialog;
    }
    ProfileSettings& profile = session.Working;
    profile.ButtonAssignmentKind[slot] = static_cast<std::uint8_t>(entry->Kind);
    switch (entry->Group) {
    case CatalogueGroup::Dpi:
        profile.ButtonDpiFunction[slot] = entry->Parameter;
        break;
    case CatalogueGroup::Media:
        profile.ButtonMediaKey[slot] = entry->Parameter;
        break;
    case CatalogueGroup::Shortcut:
        profile.ButtonShortcutKey[slot] = entry->Parameter;
        break;
    case CatalogueGroup::System:
        profile.ButtonSystemFunction[slot] = entry->Parameter;
        break;
    case CatalogueGroup::Fixed:
        break;
    }
    session.Captions[slot] = entry->Text;
    return Outcome::Assigned;
}

AssignmentCatalogue::Outcome AssignmentCatalogue::AssignSingleKey(std::size_t slot, DialogEnd end,
                                                                  std::string_view keyName,
                                                                  ProfileSession& session) const {
    if (slot >= kAssignableSlots) {
        return Outcome::Ignored;
    }
    const std::uint8_t usage = KeyTables::UsageOfName(keyName);
    if (end == DialogEnd::Cancel || usage == 0) {
        return Outcome::Ignored;
    }
    session.Working.ButtonKey[slot] = usage;
    session.Working.ButtonAssignmentKind[slot] = static_cast<std::uint8_t>(AssignmentKind::SingleKey);
    session.Captions[slot] = SingleKeyCaption(keyName);
    return Outcome::Assigned;
}

AssignmentCatalogue::Outcome AssignmentCatalogue::AssignMacro(std::size_t slot, DialogEnd end, int macroIndex,
                                                              std::uint8_t mode, std::string_view macroName,
                                                              ProfileSession& session) const {
    if (slot >= kAssignableSlots) {
        return Outcome::Ignored;
    }
    if (end == DialogEnd::Cancel) {
        return Outcome::Ignored;
    }
    // The record holds twelve macro blocks and three run modes; anything else would make the mouse play
    // a block that does not exist.
    if (macroIndex < 0 || macroIndex >= static_cast<int>(ProfileSettings::kMacroCount) || mode > 2) {
        return Outcome::Ignored;
    }
    session.Working.ButtonMacroIndex[slot] = static_cast<std::uint8_t>(macroIndex);
    session.Working.ButtonMacroMode[slot] = mode;
    session.Working.ButtonAssignmentKind[slot] = static_cast<std::uint8_t>(AssignmentKind::Macro);
    session.Captions[slot] = MacroCaption(macroName);
    return Outcome::Assigned;
}

std::string AssignmentCatalogue::InitialKeyName(const ProfileSettings& profile, std::size_t slot) {
    if (slot >= ProfileSettings::kButtonSlots || profile.ButtonKey[slot] == 0) {
        return {};
    }
    return std::string(KeyTables::NameOfUsage(profile.ButtonKey[slot]));
}

std::optional<AssignmentCatalogue::MacroPreset>
AssignmentCatalogue::MacroDialogPreset(const ProfileSession& session, std::size_t slot) const {
    if (slot >= kAssignableSlots || !CaptionNamesMacro(session.Captions[slot])) {
        return std::nullopt;
    }
    return MacroPreset{std::string(MacroCaptionName::Of(session.Captions[slot])),
                       session.Working.ButtonMacroIndex[slot], session.Working.ButtonMacroMode[slot]};
}

std::string AssignmentCatalogue::SingleKeyCaption(std::string_view keyName) const {
    return TextOf(kSingleKeyCommand) + "-" + std::string(keyName);
}

std::string AssignmentCatalogue::MacroCaption(std::string_view macroName) const {
    return TextOf(kMacroCommand) + ":" + std::string(macroName);
}

bool AssignmentCatalogue::CaptionNamesMacro(std::string_view caption) const {
    const std::string& text = TextOf(kMacroCommand);
    return !text.empty() && caption.find(text) != std::string_view::npos;
}

bool AssignmentCatalogue::ClickGuardRefuses(const ProfileSettings& profile, std::size_t slot) {
    constexpr auto kClick = static_cast<std::uint8_t>(AssignmentKind::Click);
    if (slot >= kAssignableSlots || profile.ButtonAssignmentKind[slot] != kClick) {
        return false;
    }
    for (std::size_t other = 0; other < kAssignableSlots; ++other) {
        if (other != slot && profile.ButtonAssignmentKind[other] == kClick) {
            return false;
        }
    }
    return true;
}

const std::array<AssignmentCatalogue::DefaultAssignment, AssignmentCatalogue::kAssignableSlots>&
AssignmentCatalogue::DefaultAssignments() {
    return kDefaults;
}

std::array<std::string, AssignmentCatalogue::kAssignableSlots> AssignmentCatalogue::DefaultCaptions() const {
    std::array<std::string, kAssignableSlots> captions;
    for (const DefaultAssignment& assignment : kDefaults) {
        for (const CatalogueEntry& entry : entries_) {
            const bool sameKind = entry.Kind == assignment.Kind;
            const bool sameFunction =
                assignment.Kind != AssignmentKind::DpiFunction || entry.Parameter == assignment.DpiFunction;
            if (sameKind && sameFunction) {
                captions[assignment.Slot] = entry.Text;
                break;
            }
        }
    }
    return captions;
}

} // namespace corvalith
