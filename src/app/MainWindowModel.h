#pragma once

#include "app/MainWindowLayout.h"
#include "app/MainWindowPlan.h"

namespace corvalith {

// The main window's own state: which view of the mouse it shows, which row is selected and which left
// panel sections are open. Each command changes the state and says what has to be placed and repainted,
// and only what changed: a command that changes nothing asks for nothing.
class MainWindowModel {
public:
    using View = MainWindowPlan::View;

    // What a command changed, for the window to bring its controls and pixels up to date once.
    struct Changes {
        bool Middle = false;         // the mouse picture and its hot spots
        bool Panel = false;          // the left panel's sections
        bool PanelBelowAxis = false; // ... down to the bottom of an opened axis section
        bool Sections = false;       // headers, drop-down boxes and sliders move or show
        bool RowChecks = false;      // the drop-down boxes' highlight
        bool ViewButtons = false;    // the view buttons' checked look

        Changes& operator|=(const Changes& other);
        bool Any() const { return Middle || Panel || PanelBelowAxis || Sections || RowChecks || ViewButtons; }
        friend bool operator==(const Changes&, const Changes&) = default;
    };

    // The heights of the button-assignment and axis-sensitivity panel images.
    MainWindowModel(int buttonPanelHeight, int axisPanelHeight);

    const MainWindowLayout& Layout() const { return layout_; }
    View CurrentView() const { return view_; }
    int SelectedSlot() const { return selectedSlot_; }
    bool IsCollapsed(MainWindowLayout::Section section) const { return layout_.IsCollapsed(section); }

    // The other view; the selection is cleared.
    Changes SelectView(View view);
    Changes ClearSelection();
    // Highlights row 1..7 (its slot) for the assignment menu.
    Changes SelectRow(int row);
    Changes Toggle(MainWindowLayout::Section section, bool collapse);
    Changes CollapseAll();
    // Shown from the tray: the button-assignment and axis sections close, the lift-off one stays.
    Changes Restore();
    // After a factory reset: every section closed, the top view, nothing selected.
    Changes Reset();

private:
    MainWindowLayout layout_;
    View view_ = View::Top;
    int selectedSlot_ = -1;
};

} // namespace corvalith
