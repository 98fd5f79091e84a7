#include "app/MacroButtonBinding.h"

#include "assign/AssignmentCatalogue.h"
#include "macro/LBEditorRules.h"
#include "profile/AssignmentKind.h"

#include <algorithm>

namespace corvalith {

namespace {

bool PlaysMacro(const ProfileSettings& profile, std::size_t slot) {
    return profile.ButtonAssignmentKind[slot] == static_cast<std::uint8_t>(AssignmentKind::Macro);
}

} // namespace

bool MacroButtonBinding::Rebind(ProfileSession& session, const std::vector<std::string>& names) {
    bool changed = false;
    const std::size_t listed = std::min(names.size(), ProfileSettings::kMacroCount);
    for (std::size_t slot = 0; slot < AssignmentCatalogue::kAssignableSlots; ++slot) {
        if (!PlaysMacro(session.Working, slot)) {
            continue;
        }
        const std::string name = AssignmentCatalogue::MacroNameOfCaption(session.Captions[slot]);
        for (std::size_t index = 0; index < listed; ++index) {
            if (LBEditorRules::SameName(names[index], name)) {
                if (session.Working.ButtonMacroIndex[slot] != index) {
                    session.Working.ButtonMacroIndex[slot] = static_cast<std::uint8_t>(index);
                    changed = true;
                }
                break;
            }
        }
    }
    return changed;
}

bool MacroButtonBinding::Rename(ProfileSession& session, std::string_view oldName, std::string_view newName) {
    bool changed = false;
    for (std::size_t slot = 0; slot < AssignmentCatalogue::kAssignableSlots; ++slot) {
        std::string& caption = session.Captions[slot];
        if (!PlaysMacro(session.Working, slot) ||
            !LBEditorRules::SameName(AssignmentCatalogue::MacroNameOfCaption(caption), oldName)) {
            continue;
        }
        const std::size_t colon = caption.rfind(':');
        caption = (colon == std::string::npos ? std::string() : caption.substr(0, colon + 1)) +
                  std::string(newName);
        changed = true;
    }
    return changed;
}

} // namespace corvalith
