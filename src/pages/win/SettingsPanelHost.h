#pragma once

#include "pages/win/CDlgadvance.h"
#include "pages/win/PageContext.h"

#include <memory>

namespace corvalith {

// The settings panel as the main window hosts it. It is built once, after start-up (the slowest part of
// the window to build, and nothing of it is seen before the first show), and shows the working profile's
// settings again whenever another profile is put in place.
class SettingsPanelHost {
public:
    // The context's parts must outlive the host.
    explicit SettingsPanelHost(PageContext context) : context_(context) {}

    // Builds the panel in the window unless it exists. mouseOpen: the DPI page edits the mouse's own scale.
    void Build(CWnd& window, bool mouseOpen);
    // The panel, null before it is built.
    CDlgadvance* Panel() { return panel_.get(); }
    // The panel once its window exists, else null.
    CDlgadvance* Built() { return panel_ && panel_->Hwnd() != nullptr ? panel_.get() : nullptr; }
    // Every page collapsed.
    void CollapseAll();
    // The pages collapsed and shown from the working profile again.
    void Reload();
    // The pages shown from the working profile again.
    void Refresh();
    // The mouse has been opened: the DPI page edits its scale.
    void MouseOpened();

private:
    PageContext context_;
    std::unique_ptr<CDlgadvance> panel_;
};

} // namespace corvalith
