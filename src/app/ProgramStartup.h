#pragma once

#include "app/ISettingsUploads.h"
#include "device/DeviceLink.h"
#include "platform/IDebugOutput.h"
#include "platform/IDeviceNotifications.h"
#include "platform/IInstallRecord.h"
#include "profile/ProfileSession.h"
#include "profile/ProfileStorage.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvalith {

// The main window's side of start-up: what only a window can do, called by ProgramStartup in order.
class IStartupWindow {
public:
    virtual ~IStartupWindow() = default;
    // Fills the language table and everything that follows the language; returns the section the
    // captions of that language live in ("Setting-EN"...).
    virtual std::string SetLanguage(std::string_view code) = 0;
    // The lift-off question of the first start after installation: true when it was confirmed with OK
    // while "ON" was marked.
    virtual bool AskLiftOff() = 0;
    // Size, fonts and every control; every section collapsed and the top view.
    virtual void Build() = 0;
    virtual void AddIcon() = 0;
    virtual void RemoveIcon() = 0;
    // The drop-down captions and the three sliders from the working profile.
    virtual void ShowProfile() = 0;
    // The assignment catalogue's DPI function names in the current language.
    virtual void LocaliseCatalogue() = 0;
    // The show request to the companion program's window, when it runs.
    virtual void GreetCompanion() = 0;
};

// The start of the program, once its splash has closed: the mouse, its reader and hot-plug notifications,
// the profile and the language, the first-start question, the window, the icon and the Windows pointer
// settings, in that order. A reader or hot-plug notifications that the system refuses are written to the
// debug output and start-up goes on: the program still configures the mouse it found.
class ProgramStartup {
public:
    struct Services {
        DeviceLink& Link;
        ProfileStorage& Storage;
        ProfileSession& Session;
        IInstallRecord& InstallRecord;
        IDeviceNotifications& Notifications;
        ISettingsUploads& Uploads;
        IDebugOutput& Debug;
    };

    // The first start's answer to the lift-off question: sets the switch (and level 3 when on) of the
    // working profile and returns what the installation record keeps, "ON" or "OFF".
    static std::string_view ApplyLiftOffAnswer(bool turnsOn, ProfileSettings& working);

    // window: the native handle that receives the hot-plug broadcasts. uiLanguage: the Windows display
    // language (a LANGID), used when the data folder names no usable language.
    static void Run(const Services& services, IStartupWindow& window, void* nativeWindow,
                    std::uint16_t uiLanguage);
};

} // namespace corvalith
