#pragma once

#include "app/win/ProgramServices.h"
#include "macro/win/CMacroProgramDialog.h"

#include <memory>

namespace corvalith {

// The macro manager as the main window hosts it: one CMacroProgramDialog for the window's life, prepared
// before each opening with the captions of every stored profile's macro buttons (its delete guard), and
// closed through MacroRebinding, so that the buttons that play macros follow their macros by name.
class MacroManagerHost {
public:
    // services must outlive the host; owner is the manager's parent.
    MacroManagerHost(ProgramServices& services, CWnd& owner) : services_(services), owner_(owner) {}

    // Runs the manager modally. True when the captions of the buttons changed and the buttons and macros
    // must go to the mouse.
    bool Run();
    // Ends the manager as Cancel does, if it is open (the mouse left).
    void Close();
    // Destroys the manager's window, giving the keyboard back should it be recording.
    void Destroy();

    // The manager, null before its first opening.
    CMacroProgramDialog* Dialog() { return dialog_.get(); }

private:
    ProgramServices& services_;
    CWnd& owner_;
    std::unique_ptr<CMacroProgramDialog> dialog_;
};

} // namespace corvalith
