#include "app/ProgramStartup.h"

#include "lang/LanguageCode.h"

namespace corvalith {

std::string_view ProgramStartup::ApplyLiftOffAnswer(bool turnsOn, ProfileSettings& working) {
    working.LiftOffEnabled = turnsOn ? 1 : 0;
    if (turnsOn) {
        working.LiftOffLevel = 3;
    }
    return turnsOn ? "ON" : "OFF";
}

void ProgramStartup::Run(const Services& s, IStartupWindow& window, void* nativeWindow,
                         std::uint16_t uiLanguage) {
    if (s.Link.Connect()) {
        s.Session.Working.ProfileIndex = 0;
    }
    if (!s.Link.Reader().Start()) {
        s.Debug.Write("CreateEvent 3360 failed.");
    }
    if (!s.Notifications.Register(nativeWindow)) {
        s.Debug.Write("RegisterDeviceNotification failed!!!");
    }

    s.Storage.LoadProfile();
    s.Session.TakeSnapshot();
    // A data folder without a usable language code still gets words: the Windows display language
    // chooses them. The choice is not written back, so a later installation's code still counts.
    const std::string section =
        window.SetLanguage(LanguageCode::Choose(s.Storage.ReadLanguageCode(), uiLanguage));
    s.Storage.LoadCaptions(section);
    s.Storage.InitialiseIfNew();
    // A first start has just filled the profile with the factory defaults: the DPI balloon reads them, not
    // the empty record loaded before.
    s.Session.TakeSnapshot();

    if (s.InstallRecord.IsNewInstallation()) {
        const bool on = window.AskLiftOff();
        s.InstallRecord.RecordInstallation(ApplyLiftOffAnswer(on, s.Session.Working));
        s.Uploads.ApplyLiftOff();
    }

    window.Build();
    window.AddIcon();
    if (s.Link.IsConnected()) {
        window.ShowProfile();
    } else {
        window.RemoveIcon();
    }
    window.LocaliseCatalogue();
    s.Uploads.ApplyPointerSettings();
    window.GreetCompanion();
}

} // namespace corvalith
