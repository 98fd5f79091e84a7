#include "macro/MacroButtonBinding.h"

#include "assign/AssignmentCatalogue.h"
#include "assign/MacroCaptionName.h"
#include "macro/LBEditorRules.h"
#include "profile/AssignmentKind.h"

#include <algorithm>

namespace corvalith {

namespace {

bool PlaysMacro(const ProfileSettings& profile, std::size_t slot) {
    return profile.ButtonAssignmentKind[slot] == static_cast<std::uint8_t>(AssignmentKind::Macro);
}

} // namespace

bool MacroButtonBinding::Rebind(ProfileSettings& profile, const Captions& captions,
                                const std::vector<std::string>& names) {
    bool changed = false;
    const std::size_t listed = std::min(names.size(), ProfileSettings::kMacroCount);
    for (std::size_t slot = 0; slot < AssignmentCatalogue::kAssignableSlots; ++slot) {
        if (!PlaysMacro(profile, slot)) {
            continue;
        }
        const std::string_view name = MacroCaptionName::Of(captions[slot]);
        for (std::size_t index = 0; index < listed; ++index) {
            if (LBEditorRules::SameName(names[index], name)) {
                if (profile.ButtonMacroIndex[slot] != index) {
                    profile.ButtonMacroIndex[slot] = static_cast<std::uint8_t>(index);
                    changed = true;
                }
                break;
            }
        }
    }
    return changed;
}

bool MacroButtonBinding::Rename(const ProfileSettings& profile, Captions& captions, std::string_view oldName,
                                std::string_view newName) {
    bool changed = false;
    for (std::size_t slot = 0; slot < AssignmentCatalogue::kAssignableSlots; ++slot) {
        std::string& caption = captions[slot];
        if (!PlaysMacro(profile, slot) || !LBEditorRules::SameName(MacroCaptionName::Of(caption), oldName)) {
            continue;
        }
        caption = MacroCaptionName::Replaced(caption, newName);
        changed = true;
    }
    return changed;
}

} // namespace corvalith
