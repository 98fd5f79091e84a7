#pragma once

#include "app/WindowPlacement.h"

#include <windows.h>

namespace corvalith {

class CDialog;
class SkinImages;

// How the main window comes and goes: placed as WindowPlacement says, hidden while its start paints its
// first frames, hidden to the tray as a tool window (no taskbar button) and shown again as an application
// window.
class MainWindowFrame {
public:
    // window must outlive the frame.
    explicit MainWindowFrame(CDialog& window) : window_(window) {}

    // Takes the size from the background's file header (the image itself is decoded at the first paint,
    // so a window that starts hidden decodes nothing), or the fallback size without one, and centres the
    // window.
    void Build(const SkinImages& skins);
    int Width() const { return placement_.Width(); }
    int Height() const { return placement_.Height(); }
    // Centres the window on the screen; a window minimised with its minimise button comes back as it was.
    void PlaceCentred();
    // A frame paint (WM_NCPAINT): true when it came during the start and hid the window instead.
    bool HidesStartFrame();
    void HideToTray();
    // Shows the window in front and paints it with its controls at once; the start's hiding no longer
    // applies.
    void Show();

private:
    CDialog& window_;
    WindowPlacement placement_;
    int startHidden_ = 2; // the frame paints of the start still to hide
};

} // namespace corvalith
