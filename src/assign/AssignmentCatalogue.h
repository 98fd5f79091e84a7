#pragma once

#include "lang/LanguageTable.h"
#include "profile/AssignmentKind.h"
#include "profile/ProfileSession.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvalith {

// Where an entry sits in the assignment menu: directly in the main menu, or in one of its four submenus.
enum class CatalogueGroup { Fixed, Dpi, Media, Shortcut, System };

struct CatalogueEntry {
    int CommandId;
    AssignmentKind Kind;
    // The value stored in the kind's parameter array: `ButtonDpiFunction`, `ButtonMediaKey`,
    // `ButtonShortcutKey` or `ButtonSystemFunction`; 0 for the fixed entries.
    std::uint8_t Parameter;
    CatalogueGroup Group;
    std::string Text; // in the current language; also the caption a button gets
};

// The functions the user can give to the seven assignable buttons, with their texts in the current
// language, and the rules for assigning them to the working profile. One instance per running program,
// built once the language table is filled.
class AssignmentCatalogue {
public:
    static constexpr std::size_t kAssignableSlots = 7;
    static constexpr int kSingleKeyCommand = 2011;
    static constexpr int kMacroCommand = 2012;

    // What an assignment did, and so whether the common ending (redraw, remember the caption, write the
    // buttons to the mouse and save) runs. A dialog that ends without a new choice changes nothing, and
    // nothing is then written to the mouse or saved.
    enum class Outcome {
        Assigned,    // the slot changed; run the common ending
        Ignored,     // nothing changed and the common ending is skipped
        NeedsDialog, // the command is the single key or the macro entry: run its dialog first
    };

    enum class DialogEnd { Ok, Cancel };

    struct DefaultAssignment {
        std::size_t Row; // "Button 1" to "Button 7"
        std::size_t Slot;
        AssignmentKind Kind;
        std::uint8_t DpiFunction; // for `DpiFunction`: 1 "DPI +", 2 "DPI -"
    };

    // What the macro assignment dialog is given when the slot already plays a macro.
    struct MacroPreset {
        std::string Name;
        int Index;
        std::uint8_t Mode;
    };

    // Fixed entries, group titles and DPI names come from the table (empty for an unknown code); the media,
    // shortcut and system lists from the table's code: "CHS", "CHT", "DE", else English.
    explicit AssignmentCatalogue(const LanguageTable& table);

    // The DPI names start as the English ones; start-up replaces them with the table's texts.
    void ApplyDpiNames(const LanguageTable& table);

    // Every entry in menu order: the six mouse functions and "Snipe", the DPI, media, shortcut and system
    // submenus, then single key, macro and deactivated.
    const std::vector<CatalogueEntry>& Entries() const { return entries_; }
    const CatalogueEntry* Find(int commandId) const;
    // The submenu's title; "" for the main menu's own entries.
    const std::string& GroupTitle(CatalogueGroup group) const;

    // Stores a menu entry without a dialog in slot `slot` (0 to 6) of the working profile and gives the
    // slot the entry's text as caption. Ids outside the catalogue and slots above 6 are ignored.
    Outcome Assign(int commandId, std::size_t slot, ProfileSession& session) const;

    // The end of the key capture dialog opened for `slot`: OK with a key name stores the key's usage code.
    // Cancel, OK without a name and OK with a key that has no usage code ("App", "Help"...) change nothing:
    // such a key would leave the button doing nothing under a caption that names the key.
    Outcome AssignSingleKey(std::size_t slot, DialogEnd end, std::string_view keyName,
                            ProfileSession& session) const;

    // The end of the macro assignment dialog opened for `slot`: OK with a macro index 0 to 11 and run mode
    // 0 to 2 stores them; OK with any other index or mode, and Cancel, change nothing.
    Outcome AssignMacro(std::size_t slot, DialogEnd end, int macroIndex, std::uint8_t mode,
                        std::string_view macroName, ProfileSession& session) const;

    // The key shown when the key capture dialog opens: the name of the slot's usage code, "" for 0.
    static std::string InitialKeyName(const ProfileSettings& profile, std::size_t slot);

    // The macro handed to the macro assignment dialog when the slot's caption contains the `Macro` text.
    std::optional<MacroPreset> MacroDialogPreset(const ProfileSession& session, std::size_t slot) const;

    // Caption of a `SingleKey` slot: the single key entry's text, "-", the key name.
    std::string SingleKeyCaption(std::string_view keyName) const;
    // Caption of a `Macro` slot: the macro entry's text, ":", the macro name.
    std::string MacroCaption(std::string_view macroName) const;
    // True when the caption contains the macro entry's text (never for an empty text).
    bool CaptionNamesMacro(std::string_view caption) const;

    // The only slot of 0 to 6 that clicks cannot be given another function: its menu does not open.
    static bool ClickGuardRefuses(const ProfileSettings& profile, std::size_t slot);
    const std::string& ClickGuardMessage() const { return clickGuardMessage_; }
    const std::string& ClickGuardCaption() const { return clickGuardCaption_; }

    // The factory assignment of the seven rows, and the captions it shows, by slot.
    static const std::array<DefaultAssignment, kAssignableSlots>& DefaultAssignments();
    std::array<std::string, kAssignableSlots> DefaultCaptions() const;

private:
    CatalogueEntry* FindMutable(int commandId);
    const std::string& TextOf(int commandId) const;

    std::vector<CatalogueEntry> entries_;
    std::array<std::string, 5> groupTitles_;
    std::string clickGuardMessage_;
    std::string clickGuardCaption_;
};

} // namespace corvalith
