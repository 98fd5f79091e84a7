#pragma once

#include "assign/AssignmentCatalogue.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace corvalith {

// What the main window does for an assignment: it runs the two dialogs and shows a slot's caption.
class IAssignmentWindow {
public:
    struct MacroResult {
        int Index = -1;
        std::uint8_t Mode = 0;
        std::string Name;
    };

    virtual ~IAssignmentWindow() = default;
    // Runs the key capture dialog opened with `initialName`; the captured key's name after OK, nothing
    // when the dialog was cancelled or closed or no key was pressed.
    virtual std::optional<std::string> ChooseKey(const std::string& initialName) = 0;
    // Runs the macro assignment dialog; its macro and run mode after OK when the user chose one, nothing
    // otherwise.
    virtual std::optional<MacroResult>
    ChooseMacro(const std::optional<AssignmentCatalogue::MacroPreset>& preset) = 0;
    // Shows the slot's caption in its drop-down box at once.
    virtual void ShowCaption(std::size_t slot) = 0;
};

} // namespace corvalith
