#pragma once

#include "app/IAssignmentWindow.h"
#include "app/win/MainWindowControls.h"
#include "app/win/ProgramServices.h"

namespace corvalith {

// The main window as a button's assignment sees it: the key capture dialog, the macro assignment dialog
// (over the macros of record.ini) and the row box that shows the slot's new caption at once.
class AssignmentDialogs : public IAssignmentWindow {
public:
    // All must outlive this object; window owns the dialogs and the controls.
    AssignmentDialogs(ProgramServices& services, CWnd& window, MainWindowControls& controls)
        : services_(services), window_(window), controls_(controls) {}

    std::optional<std::string> ChooseKey(const std::string& initialName) override;
    std::optional<MacroResult>
    ChooseMacro(const std::optional<AssignmentCatalogue::MacroPreset>& preset) override;
    void ShowCaption(std::size_t slot) override;

private:
    ProgramServices& services_;
    CWnd& window_;
    MainWindowControls& controls_;
};

} // namespace corvalith
