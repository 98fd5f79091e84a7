#include "app/win/DeviceEventHandler.h"

#include "app/win/CTrayIcon.h"
#include "app/win/MacroManagerHost.h"
#include "app/win/MainWindowMessages.h"
#include "app/win/ProgramServices.h"
#include "pages/win/SettingsPanelHost.h"
#include "platform/win/WideString.h"

namespace corvalith {

void DeviceEventHandler::OnDeviceEvent(WPARAM code, LPARAM value) {
    ProgramServices& s = parts_.Services;
    if (const auto balloon = status_.BalloonFor(static_cast<int>(code), static_cast<unsigned>(value),
                                                s.Language, s.Session.AppliedSnapshot)) {
        parts_.Tray.ShowBalloon(WideString::FromUtf8(balloon->Title), WideString::FromUtf8(balloon->Text),
                                balloon->TimeoutMs);
    }
}

void DeviceEventHandler::OnDeviceChange(WPARAM event, LPARAM data) {
    ProgramServices& s = parts_.Services;
    const std::optional<DeviceStatus::Reaction> reaction = s.OnDeviceChange(event, data);
    if (!reaction) {
        return;
    }
    // The event is posted before the icon changes, so its balloon comes after the icon's change.
    if (reaction->Post) {
        parts_.Window.PostMessage(kDeviceEvent, static_cast<WPARAM>(*reaction->Post), 0);
    }
    if (reaction->ReloadProfile) {
        s.LoadFirstProfile();
    }
    if (reaction->HideWindow) {
        parts_.Window.ShowWindow(SW_HIDE);
    }
    if (reaction->CloseMacroManager) {
        parts_.Macros.Close();
    }
    switch (reaction->IconChange) {
    case DeviceStatus::Icon::Keep:
        break;
    case DeviceStatus::Icon::Add:
        AddIcon();
        // The mouse is open: the DPI page edits its scale.
        if (s.Link.IsConnected()) {
            parts_.Panel.MouseOpened();
        }
        break;
    case DeviceStatus::Icon::Remove:
        RemoveIcon();
        break;
    case DeviceStatus::Icon::RemoveAfterBalloon:
        parts_.Tray.RemoveAfterBalloon();
        break;
    }
}

void DeviceEventHandler::AddIcon() {
    parts_.Tray.Add(WideString::FromUtf8(parts_.Services.Language.Text(TextEntry::ProductTitle)));
}

void DeviceEventHandler::RemoveIcon() {
    parts_.Tray.Remove();
}

} // namespace corvalith
