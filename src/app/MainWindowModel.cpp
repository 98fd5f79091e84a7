#include "app/MainWindowModel.h"

namespace corvalith {

MainWindowModel::Changes& MainWindowModel::Changes::operator|=(const Changes& other) {
    Middle = Middle || other.Middle;
    Panel = Panel || other.Panel;
    PanelBelowAxis = PanelBelowAxis || other.PanelBelowAxis;
    Sections = Sections || other.Sections;
    RowChecks = RowChecks || other.RowChecks;
    ViewButtons = ViewButtons || other.ViewButtons;
    return *this;
}

MainWindowModel::MainWindowModel(int buttonPanelHeight, int axisPanelHeight)
    : layout_(buttonPanelHeight, axisPanelHeight) {}

MainWindowModel::Changes MainWindowModel::SelectView(View view) {
    Changes changes = ClearSelection();
    if (view != view_) {
        view_ = view;
        changes.Middle = true;
        changes.ViewButtons = true;
    }
    return changes;
}

MainWindowModel::Changes MainWindowModel::ClearSelection() {
    if (selectedSlot_ < 0) {
        return {};
    }
    selectedSlot_ = -1;
    Changes changes;
    changes.Middle = true;
    changes.RowChecks = true;
    return changes;
}

MainWindowModel::Changes MainWindowModel::SelectRow(int row) {
    const int slot = MainWindowLayout::SlotOfRow(row);
    if (slot < 0 || slot == selectedSlot_) {
        return {};
    }
    selectedSlot_ = slot;
    Changes changes;
    changes.Middle = true;
    changes.RowChecks = true;
    return changes;
}

MainWindowModel::Changes MainWindowModel::Toggle(MainWindowLayout::Section section, bool collapse) {
    if (layout_.IsCollapsed(section) == collapse) {
        return {};
    }
    layout_.Toggle(section, collapse);
    Changes changes;
    changes.Sections = true;
    changes.Panel = true;
    changes.PanelBelowAxis = section == MainWindowLayout::AxisSensitivity;
    return changes;
}

MainWindowModel::Changes MainWindowModel::CollapseAll() {
    Changes changes;
    for (const auto section :
         {MainWindowLayout::ButtonAssignment, MainWindowLayout::AxisSensitivity, MainWindowLayout::LiftOff}) {
        changes |= Toggle(section, true);
    }
    return changes;
}

MainWindowModel::Changes MainWindowModel::Restore() {
    Changes changes = Toggle(MainWindowLayout::ButtonAssignment, true);
    changes |= Toggle(MainWindowLayout::AxisSensitivity, true);
    return changes;
}

MainWindowModel::Changes MainWindowModel::Reset() {
    Changes changes = CollapseAll();
    changes |= SelectView(View::Top);
    return changes;
}

} // namespace corvalith
