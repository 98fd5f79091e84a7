#pragma once

#include "framework/IPrompts.h"
#include "profile/IProfileWindow.h"
#include "profile/ProfileListStore.h"
#include "profile/ProfileOperations.h"
#include "profile/ProfileSession.h"
#include "profile/win/CConfigDialog.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace corvalith {

class SkinImages;

// The profile manager as the main window hosts it: the modeless CConfigDialog over the window's left
// panel, the stored profile list it edits and the profile operations it asks for (message 0x0B03: import,
// export, select, create). The list and the operations are made at the first opening, when the data
// folder is known.
class ProfileManagerHost {
public:
    // All must outlive the host. renameRule decides what a name typed over an entry in place becomes.
    // rules: which profile follows which program (asked for at each opening, once the data folder is
    // known), stored by saveRules.
    ProfileManagerHost(const SkinImages& skins, ProfileSession& session, ProfileOperations::Services services,
                       CLBEditorWnd::Rule renameRule, std::function<ProgramRules&()> rules,
                       std::function<void()> saveRules);
    ~ProfileManagerHost();

    // Opens the manager at a point of the main window unless it is open. True when it opened now, so the
    // window hides what it covers.
    bool Open(std::string languageCode, CWnd& mainWindow, POINT origin);
    // The operation the manager posted for a list position; an unknown operation is ignored.
    void RunOperation(WPARAM operation, LPARAM position, std::string_view captionSection, PromptOwner owner,
                      IProfileWindow& window);
    // The stored profile list, its current entry selected.
    ProfileList StoredList();
    // The tray's quick switch and the program in front: the entry at the position of the stored list (as
    // StoredList read it) becomes the current profile, stored and loaded as the manager's close would, and
    // reaches the mouse as a switch (only what differs). Nothing while the manager is open or for a position
    // the list does not have; the name of the profile made active otherwise.
    std::optional<std::string> SwitchTo(ProfileList list, int position, std::string_view captionSection,
                                        IProfileWindow& window);
    // Destroys the manager's window if it is open.
    void Close();

    // The open manager, null while it is closed.
    CConfigDialog* Dialog() { return dialog_.get(); }
    bool IsOpen() const { return dialog_ != nullptr; }

private:
    // The stored list and the operations, made once the data folder is known.
    void Prepare();

    const SkinImages& skins_;
    ProfileSession& session_;
    ProfileOperations::Services services_;
    CLBEditorWnd::Rule renameRule_;
    std::function<ProgramRules&()> rules_;
    std::function<void()> saveRules_;
    std::unique_ptr<ProfileListStore> list_;
    std::unique_ptr<ProfileOperations> operations_;
    std::unique_ptr<CConfigDialog> dialog_;
};

} // namespace corvalith
