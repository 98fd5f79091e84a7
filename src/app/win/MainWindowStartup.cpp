#include "app/win/MainWindowStartup.h"

#include "app/ProgramUploads.h"
#include "app/win/DeviceEventHandler.h"
#include "app/win/MainWindowMessages.h"
#include "app/win/ProgramServices.h"
#include "lang/LanguageCode.h"
#include "pages/win/CDlgWarning.h"
#include "platform/win/WideString.h"

namespace corvalith {

void MainWindowStartup::Run() {
    ProgramServices& s = parts_.Services;
    const std::uint16_t chosen = s.Options().UiLanguage;
    ProgramStartup::Run(
        {s.Link, s.Storage, s.Session, s.InstallRecord, s.DeviceNotifications, parts_.Uploads, s.Debug},
        *this, parts_.Window.Hwnd(), chosen != 0 ? chosen : GetUserDefaultUILanguage());
}

std::string MainWindowStartup::SetLanguage(std::string_view code) {
    ProgramServices& s = parts_.Services;
    s.SetLanguage(code);
    fontFace_ = WideString::FromUtf8(std::string(LanguageCode::FontFace(s.Language.Code())));
    return s.CaptionSection();
}

bool MainWindowStartup::AskLiftOff() {
    CDlgWarning warning(parts_.Services.Skins, parts_.Services.Language, &parts_.Window);
    warning.DoModal();
    return warning.TurnsLiftOffOn();
}

void MainWindowStartup::Build() {
    build_(fontFace_);
}

void MainWindowStartup::AddIcon() {
    parts_.Devices.AddIcon();
}

void MainWindowStartup::RemoveIcon() {
    parts_.Devices.RemoveIcon();
}

void MainWindowStartup::ShowProfile() {
    showProfile_();
}

void MainWindowStartup::LocaliseCatalogue() {
    parts_.Services.Catalogue().ApplyDpiNames(parts_.Services.Language);
}

void MainWindowStartup::GreetCompanion() {
    if (HWND companion = FindWindowW(nullptr, L"Corvalith ACCE")) {
        ::PostMessageW(companion, kShowRequest, 1, 1);
    }
}

} // namespace corvalith
