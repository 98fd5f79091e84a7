#pragma once

#include "skin/win/SkinDecodeQueue.h"

#include <memory>

namespace corvalith {

class CWnd;
class MainWindowCanvas;
class MainWindowModel;
class ProgramServices;
class SettingsPanelHost;
class VirtualMouseWindow;

// What the main window does while it waits in the tray after start-up, one step per posted message, so
// that a show request or a click waits for one step at most: the first step builds the settings panel
// (the slowest part of the window to build, and nothing of it is seen before the show) and opens the
// virtual mouse's window; every step decodes one of the window's images, and after the last one the
// window is drawn once, unseen, so that its first show only draws.
class DecodeAheadPump {
public:
    // The parts it acts on; they must outlive the pump.
    struct Parts {
        ProgramServices& Services;
        SettingsPanelHost& Panel;
        MainWindowCanvas& Canvas;
        CWnd& Window;
    };

    explicit DecodeAheadPump(const Parts& parts);
    ~DecodeAheadPump();

    // Queues the images of the window and of the settings panel and posts the first step.
    void Start();
    // One step; model: the window's model, which the unseen drawing draws.
    void Step(const MainWindowModel& model);
    // The virtual mouse's window, null before the first step and without the virtual mouse.
    VirtualMouseWindow* MouseWindow() { return mouseWindow_.get(); }
    // Closes the virtual mouse's window; its reports are no longer watched.
    void Destroy();

private:
    void ShowVirtualMouse();

    Parts parts_;
    SkinDecodeQueue queue_;
    std::unique_ptr<VirtualMouseWindow> mouseWindow_;
};

} // namespace corvalith
