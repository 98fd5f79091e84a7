#pragma once

#include "app/IAssignmentWindow.h"
#include "app/IButtonUploads.h"
#include "assign/AssignmentCatalogue.h"
#include "profile/ProfileSession.h"

#include <cstddef>

namespace corvalith {

// The main window's assignment of functions to the buttons: whether a row's menu may open, which slot
// the last menu belonged to, and what a chosen command does. A command that changes a slot ends the same
// way every time: the caption is shown at once and kept, and `ApplyButtons` writes the buttons to the
// mouse and saves. A command that changes nothing (an id outside the catalogue, a dialog cancelled or
// ended without a new choice) sends and saves nothing.
class ButtonAssignment {
public:
    // The window commands that go to the assignment; the help menu's own ids (1001 to 1003) are handled
    // by the window before.
    enum CommandRange : int { kFirstCommand = 1001, kLastCommand = 4000 };

    ButtonAssignment(ProfileSession& session, IButtonUploads& uploads, IAssignmentWindow& window)
        : session_(session), uploads_(uploads), window_(window) {}

    static bool IsAssignmentCommand(int commandId) {
        return commandId >= kFirstCommand && commandId <= kLastCommand;
    }

    // The click guard: false for the only slot that clicks.
    bool MenuMayOpen(std::size_t slot) const;
    // The menu of `slot` has closed; its command, if any, arrives after this.
    void MenuClosed(int slot) { menuSlot_ = slot; }
    // The slot of the last menu, -1 before the first.
    int MenuSlot() const { return menuSlot_; }

    // Applies a command of the menu, with the catalogue of the current language, to the menu slot; true
    // when the slot changed (and was written and saved).
    bool Choose(const AssignmentCatalogue& catalogue, int commandId);

private:
    AssignmentCatalogue::Outcome ChooseKey(const AssignmentCatalogue& catalogue, std::size_t slot);
    AssignmentCatalogue::Outcome ChooseMacro(const AssignmentCatalogue& catalogue, std::size_t slot);

    ProfileSession& session_;
    IButtonUploads& uploads_;
    IAssignmentWindow& window_;
    int menuSlot_ = -1;
};

} // namespace corvalith
