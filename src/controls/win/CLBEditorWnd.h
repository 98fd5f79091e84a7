#pragma once

#include "framework/CEdit.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvalith {

// An edit box laid over one item of a list box, so that the user changes the item's text in place. The
// editor owns itself: create it with new, call Open, and never touch it after the edit ends, because
// destroying its window deletes it.
//
//     auto* editor = new CLBEditorWnd(list, rule);
//     editor->Open(index, false);   // false: deleted already, nothing shown
//
// Enter, Tab, losing the focus and a click outside the editor commit the edit; Escape cancels it. Either
// way the list box then receives kEndOfEditMessage (wParam kEditorId, lParam the item index).
class CLBEditorWnd : public CEdit {
public:
    // What a committed edit makes of the text typed over item `index` of `items` (all UTF-8): the item's
    // new text, or nothing when the item keeps its old text. The window that owns the list gives its own.
    using Rule = std::function<std::optional<std::string>(const std::vector<std::string>& items,
                                                          std::size_t index, std::string_view text)>;

    // The window message the editor posts to its list box when editing ends (committed, refused or
    // cancelled alike): wParam is the editor's control id, lParam the item index.
    static constexpr UINT kEndOfEditMessage = 0x464;
    static constexpr int kEditorId = 1;

    CLBEditorWnd(HWND list, Rule rule) : list_(list), rule_(std::move(rule)) {}

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
    Rule rule_;
    int index_ = -1;
    bool ending_ = false;
};

} // namespace corvalith
