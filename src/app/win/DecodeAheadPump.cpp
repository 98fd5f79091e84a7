#include "app/win/DecodeAheadPump.h"

#include "app/MainWindowPlan.h"
#include "app/win/MainWindowCanvas.h"
#include "app/win/MainWindowMessages.h"
#include "app/win/ProgramServices.h"
#include "pages/win/SettingsPanelHost.h"
#include "sim/win/VirtualMouseWindow.h"

namespace corvalith {

DecodeAheadPump::DecodeAheadPump(const Parts& parts) : parts_(parts), queue_(parts.Services.Skins) {}

DecodeAheadPump::~DecodeAheadPump() = default;

void DecodeAheadPump::Start() {
    std::vector<std::string> ahead = MainWindowPlan::AllImagePaths();
    ahead.insert(ahead.end(), CDlgadvance::kShownImages.begin(), CDlgadvance::kShownImages.end());
    queue_.Start(ahead);
    parts_.Window.PostMessage(kDecodeAhead, 0, 0);
}

void DecodeAheadPump::Step(const MainWindowModel& model) {
    ProgramServices& s = parts_.Services;
    parts_.Panel.Build(parts_.Window, s.Link.IsConnected());
    ShowVirtualMouse();
    switch (queue_.DecodeNext()) {
    case SkinDecodeQueue::Step::More:
        parts_.Window.PostMessage(kDecodeAhead, 0, 0);
        break;
    case SkinDecodeQueue::Step::Finished:
        parts_.Canvas.PaintUnseen(model, s.Session.Working.LiftOffEnabled != 0);
        break;
    case SkinDecodeQueue::Step::Idle:
        break;
    }
}

void DecodeAheadPump::ShowVirtualMouse() {
    // The simulated mouse's window belongs to the simulation, not to the program: the icon does not wait
    // for it.
    ProgramServices& s = parts_.Services;
    if (mouseWindow_ || s.Mouse() == nullptr) {
        return;
    }
    mouseWindow_ = std::make_unique<VirtualMouseWindow>(*s.Mouse());
    // Watched before the window reads what the mouse holds: an upload on the device worker may change it
    // at any moment, and a report between the two would otherwise leave the window behind.
    s.SetReportObserver([window = mouseWindow_.get()] { window->RequestRefresh(); });
    mouseWindow_->Create();
}

void DecodeAheadPump::Destroy() {
    parts_.Services.SetReportObserver(nullptr);
    if (mouseWindow_) {
        mouseWindow_->DestroyWindow();
    }
}

} // namespace corvalith
