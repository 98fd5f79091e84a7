#include "app/win/MacroManagerHost.h"

#include "app/MacroRebinding.h"
#include "macro/MacroFile.h"

#include <string>
#include <vector>

namespace corvalith {

bool MacroManagerHost::Run() {
    ProgramServices& s = services_;
    if (!dialog_) {
        dialog_ = std::make_unique<CMacroProgramDialog>(s.Skins, s.Files, s.Prompts(), &owner_);
    }
    const std::string path = s.Storage.DataFolder() + "record.ini";
    ProfileSession& session = s.Session;
    MacroRebinding rebinding(s.Files, s.Storage.DataFolder(), s.CaptionSection());
    // The delete guard sees the buttons of every stored profile, so no button anywhere names a deleted macro.
    std::vector<std::string> labels(session.Captions.begin(),
                                    session.Captions.begin() + AssignmentCatalogue::kAssignableSlots);
    const std::vector<std::string> stored = rebinding.StoredLabels(session);
    labels.insert(labels.end(), stored.begin(), stored.end());
    dialog_->Prepare(s.Language.Code(), path, std::move(labels));
    const MacroFile file(s.Files, path);
    const std::vector<std::string> namesBefore = file.ReadList();
    const bool ok = dialog_->DoModal() == IDOK;
    return rebinding.Close(session, ok, dialog_->Renames(), namesBefore, file, dialog_->EncodedCopy());
}

void MacroManagerHost::Close() {
    if (dialog_) {
        dialog_->Close();
    }
}

void MacroManagerHost::Destroy() {
    if (dialog_ && dialog_->Hwnd() != nullptr) {
        dialog_->DestroyWindow();
    }
}

} // namespace corvalith
