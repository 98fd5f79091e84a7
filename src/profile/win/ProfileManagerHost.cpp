#include "profile/win/ProfileManagerHost.h"

#include <utility>

namespace corvalith {

ProfileManagerHost::ProfileManagerHost(const SkinImages& skins, ProfileSession& session,
                                       ProfileOperations::Services services, CLBEditorWnd::Rule renameRule,
                                       std::function<ProgramRules&()> rules, std::function<void()> saveRules)
    : skins_(skins), session_(session), services_(services), renameRule_(std::move(renameRule)),
      rules_(rules), saveRules_(std::move(saveRules)) {}

ProfileManagerHost::~ProfileManagerHost() = default;

bool ProfileManagerHost::Open(std::string languageCode, CWnd& mainWindow, POINT origin) {
    if (dialog_) {
        return false;
    }
    if (!list_) {
        list_ = std::make_unique<ProfileListStore>(services_.Files, services_.Storage.DataFolder());
        operations_ = std::make_unique<ProfileOperations>(session_, services_);
    }
    auto dialog =
        std::make_unique<CConfigDialog>(skins_, std::move(languageCode), session_, *list_, services_.Prompts,
                                        &mainWindow, renameRule_, rules_(), saveRules_);
    if (!dialog->Create(&mainWindow) || !dialog->Initialised()) {
        if (dialog->Hwnd() != nullptr) {
            ::DestroyWindow(dialog->Hwnd());
        }
        return false;
    }
    dialog_ = std::move(dialog);
    ::SetWindowPos(dialog_->Hwnd(), HWND_TOP, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    ::SetForegroundWindow(mainWindow.Hwnd());
    return true;
}

void ProfileManagerHost::RunOperation(WPARAM operation, LPARAM position, std::string_view captionSection,
                                      PromptOwner owner, IProfileWindow& window) {
    if (!operations_ || operation > CConfigDialog::kCreate) {
        return;
    }
    operations_->Run(static_cast<ProfileOperations::Operation>(operation), static_cast<int>(position),
                     captionSection, owner, window);
}

void ProfileManagerHost::Close() {
    if (dialog_) {
        std::unique_ptr<CConfigDialog> dialog = std::move(dialog_);
        ::DestroyWindow(dialog->Hwnd());
    }
}

} // namespace corvalith
