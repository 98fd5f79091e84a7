#include "app/win/AssignmentDialogs.h"

#include "assign/win/CSingleDialog.h"
#include "macro/MacroFile.h"
#include "macro/win/CMacroDialog.h"

namespace corvalith {

std::optional<std::string> AssignmentDialogs::ChooseKey(const std::string& initialName) {
    ProgramServices& s = services_;
    CSingleDialog dialog(s.Skins, s.Language.Code(), s.Debug, s.Prompts(), &window_);
    dialog.SetKeyName(initialName);
    if (dialog.DoModal() != IDOK) {
        return std::nullopt;
    }
    return dialog.Choice();
}

std::optional<IAssignmentWindow::MacroResult>
AssignmentDialogs::ChooseMacro(const std::optional<AssignmentCatalogue::MacroPreset>& preset) {
    ProgramServices& s = services_;
    const MacroFile macros(s.Files, s.Storage.DataFolder() + "record.ini");
    CMacroDialog dialog(s.Skins, s.Language.Code(), macros.ReadList(), &window_);
    if (preset) {
        dialog.SetCurrent(preset->Name, preset->Index, preset->Mode);
    }
    if (dialog.DoModal() != IDOK) {
        return std::nullopt;
    }
    const std::optional<MacroChoice::Result> chosen = dialog.Choice();
    if (!chosen) {
        return std::nullopt;
    }
    return MacroResult{chosen->Index, chosen->Mode, chosen->Name};
}

void AssignmentDialogs::ShowCaption(std::size_t slot) {
    if (slot >= MainWindowLayout::kSlots) {
        return;
    }
    controls_.SetCaption(slot, services_.Session.Captions[slot]);
    window_.UpdateWindow();
}

} // namespace corvalith
