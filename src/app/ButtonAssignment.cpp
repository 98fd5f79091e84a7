#include "app/ButtonAssignment.h"

namespace corvalith {

using Outcome = AssignmentCatalogue::Outcome;
using DialogEnd = AssignmentCatalogue::DialogEnd;

bool ButtonAssignment::MenuMayOpen(std::size_t slot) const {
    return !AssignmentCatalogue::ClickGuardRefuses(session_.Working, slot);
}

bool ButtonAssignment::Choose(const AssignmentCatalogue& catalogue, int commandId) {
    if (!IsAssignmentCommand(commandId) || menuSlot_ < 0 ||
        menuSlot_ >= static_cast<int>(AssignmentCatalogue::kAssignableSlots)) {
        return false;
    }
    const auto slot = static_cast<std::size_t>(menuSlot_);
    Outcome outcome = catalogue.Assign(commandId, slot, session_);
    if (outcome == Outcome::NeedsDialog) {
        outcome = commandId == AssignmentCatalogue::kSingleKeyCommand ? ChooseKey(catalogue, slot)
                                                                      : ChooseMacro(catalogue, slot);
    }
    if (outcome != Outcome::Assigned) {
        return false;
    }
    window_.ShowCaption(slot);
    uploads_.ApplyButtons();
    return true;
}

Outcome ButtonAssignment::ChooseKey(const AssignmentCatalogue& catalogue, std::size_t slot) {
    const std::optional<std::string> key =
        window_.ChooseKey(AssignmentCatalogue::InitialKeyName(session_.Working, slot));
    return key ? catalogue.AssignSingleKey(slot, DialogEnd::Ok, *key, session_) : Outcome::Ignored;
}

Outcome ButtonAssignment::ChooseMacro(const AssignmentCatalogue& catalogue, std::size_t slot) {
    const std::optional<IAssignmentWindow::MacroResult> macro =
        window_.ChooseMacro(catalogue.MacroDialogPreset(session_, slot));
    return macro
               ? catalogue.AssignMacro(slot, DialogEnd::Ok, macro->Index, macro->Mode, macro->Name, session_)
               : Outcome::Ignored;
}

} // namespace corvalith
