#pragma once

#include "framework/CEdit.h"
#include "macro/LBEditorRules.h"

namespace corvalith {

// An edit box laid over one item of a list box, so that the user changes the item's text in place. The
// editor owns itself: create it with new, call Open, and never touch it after the edit ends, because
// destroying its window deletes it.
//
//     auto* editor = new CLBEditorWnd(list, LBEditorRules::Kind::MacroName);
//     editor->Open(index, false);   // false: deleted already, nothing shown
//
// Enter, Tab, losing the focus and a click outside the editor commit the edit; Escape cancels it. Either
// way the list box then receives LBEditorRules::kEndOfEditMessage (wParam 1, lParam the item index).
class CLBEditorWnd : public CEdit {
public:
    using Kind = LBEditorRules::Kind;

    CLBEditorWnd(HWND list, Kind kind) : list_(list), kind_(kind) {}

    // Lays the editor over item `index`, with the item's text selected, and gives it the mouse and the focus.
    // False (and the editor deleted) when the index is outside the list or the window cannot be created.
    bool Open(int index, bool digitsOnly);
    // Commits (validating the text) or discards the edit, tells the list box and destroys the editor. A
    // second request while ending does nothing.
    void End(bool commit);

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }

private:
    ~CLBEditorWnd() override = default;
    void Commit();
    // Handles the keys that end the edit; true when `key` was one of them.
    bool EndOnKey(WPARAM key);

    HWND list_;
    Kind kind_;
    int index_ = -1;
    bool ending_ = false;
};

} // namespace corvalith
