#pragma once

#include "app/ForegroundFollower.h"
#include "profile/ProgramRules.h"

#include <windows.h>

#include <functional>
#include <string>

namespace corvalith {

// The program in front chooses the profile. The system's foreground event (an out-of-context event hook,
// delivered through the window thread's message loop, so nothing runs while no window changes) names the
// program whose window came to the front; ForegroundFollower decides once it has stayed there for half a
// second, on the main window's one-shot timer; the switch itself is the main window's quick switch.
class ForegroundSwitcher {
public:
    static constexpr UINT_PTR kSettleTimer = 0x7003;

    struct Hooks {
        std::function<ProgramRules&()> Rules;
        std::function<bool()> DialogOpen;               // one of the program's own dialogs is open
        std::function<std::string()> ActiveProfile;     // the name of the active profile
        std::function<void(const std::string&)> Switch; // makes the named profile the active one
    };

    ForegroundSwitcher() = default;
    ~ForegroundSwitcher();
    ForegroundSwitcher(const ForegroundSwitcher&) = delete;
    ForegroundSwitcher& operator=(const ForegroundSwitcher&) = delete;

    // Installs the hook; window receives the timer. False when the system refused the hook.
    bool Start(HWND window, Hooks hooks);
    void Stop();
    // The window's timer: true when it was this one's.
    bool OnTimer(UINT_PTR id);
    // A window of the program came to the front (also what the hook calls).
    void OnForeground(HWND foreground);

    // The full path of the program a window belongs to; empty when the system does not say.
    static std::string ProgramOf(HWND window, bool& ours);

private:
    static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child,
                                 DWORD thread, DWORD time);
    // The switcher whose hook is installed; the hook's callback carries no context.
    static ForegroundSwitcher* installed_;

    HWND window_ = nullptr;
    HWINEVENTHOOK hook_ = nullptr;
    Hooks hooks_;
    ForegroundFollower follower_;
};

} // namespace corvalith
