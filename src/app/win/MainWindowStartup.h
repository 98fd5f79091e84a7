#pragma once

#include "app/ProgramStartup.h"

#include <functional>
#include <string>

namespace corvalith {

class CWnd;
class DeviceEventHandler;
class ProgramServices;
class ProgramUploads;

// The main window's steps of the program's start: the language and the font face that follows it, the
// first start's lift-off question, the window's parts, the notification-area icon, the catalogue's DPI
// names and the greeting of the companion program, run in ProgramStartup's order.
class MainWindowStartup : private IStartupWindow {
public:
    // The parts it acts on; they must outlive the start-up.
    struct Parts {
        ProgramServices& Services;
        ProgramUploads& Uploads;
        DeviceEventHandler& Devices;
        CWnd& Window;
    };
    // build: sizes the window and creates its controls in a font face. showProfile: shows the working
    // profile in the controls.
    MainWindowStartup(const Parts& parts, std::function<void(const std::wstring& fontFace)> build,
                      std::function<void()> showProfile)
        : parts_(parts), build_(std::move(build)), showProfile_(std::move(showProfile)) {}

    void Run();

private:
    std::string SetLanguage(std::string_view code) override;
    bool AskLiftOff() override;
    void Build() override;
    void AddIcon() override;
    void RemoveIcon() override;
    void ShowProfile() override;
    void LocaliseCatalogue() override;
    void GreetCompanion() override;

    Parts parts_;
    std::function<void(const std::wstring&)> build_;
    std::function<void()> showProfile_;
    std::wstring fontFace_ = L"Arial";
};

} // namespace corvalith
