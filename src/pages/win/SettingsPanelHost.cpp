#include "pages/win/SettingsPanelHost.h"

namespace corvalith {

void SettingsPanelHost::Build(CWnd& window, bool mouseOpen) {
    if (panel_) {
        return;
    }
    panel_ = std::make_unique<CDlgadvance>(context_);
    if (!panel_->CreatePanel(&window)) {
        return;
    }
    panel_->SetPadSection(false); // no mouse pad is ever found
    panel_->AttachScrollFrame();
    panel_->LayOutHeaders();
    panel_->UpdateScrollBars();
    if (mouseOpen) {
        MouseOpened();
    }
}

void SettingsPanelHost::CollapseAll() {
    if (CDlgadvance* panel = Built()) {
        panel->CollapseAll();
    }
}

void SettingsPanelHost::Reload() {
    if (CDlgadvance* panel = Built()) {
        panel->CollapseAll();
        panel->RefreshPages();
    }
}

void SettingsPanelHost::Refresh() {
    if (CDlgadvance* panel = Built()) {
        panel->RefreshPages();
    }
}

void SettingsPanelHost::MouseOpened() {
    if (CDlgadvance* panel = Built()) {
        panel->Dpi().SetStepMode(DpiScale::StepMode::Coarse);
    }
}

} // namespace corvalith
