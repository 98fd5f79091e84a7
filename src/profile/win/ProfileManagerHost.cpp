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
    Prepare();
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

void ProfileManagerHost::Prepare() {
    if (!list_) {
        list_ = std::make_unique<ProfileListStore>(services_.Files, services_.Storage.DataFolder());
        operations_ = std::make_unique<ProfileOperations>(session_, services_);
    }
}

ProfileList ProfileManagerHost::StoredList() {
    Prepare();
    return list_->Read(session_);
}

std::optional<std::string> ProfileManagerHost::SwitchTo(ProfileList list, int position,
                                                        std::string_view captionSection,
                                                        IProfileWindow& window) {
    if (dialog_) {
        return std::nullopt;
    }
    Prepare();
    if (position < 0 || static_cast<std::size_t>(position) >= list.Count()) {
        return std::nullopt;
    }
    // Stored as the manager's close stores the choice, then loaded as its select or create loads it.
    list.Select(position);
    const ProfileListStore::CloseAction action = list_->Save(list, session_);
    if (action.Operation == ProfileListStore::CloseOperation::Create) {
        operations_->Create(action.Position, captionSection, window);
    } else {
        operations_->Select(action.Operation == ProfileListStore::CloseOperation::Select ? action.Position
                                                                                         : position,
                            captionSection, window, ProfileOperations::MouseWrite::Changes);
    }
    return list.Name(static_cast<std::size_t>(position));
}

void ProfileManagerHost::Close() {
    if (dialog_) {
        std::unique_ptr<CConfigDialog> dialog = std::move(dialog_);
        ::DestroyWindow(dialog->Hwnd());
    }
}

} // namespace corvalith
