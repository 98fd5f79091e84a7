// Corvalith.exe: the configuration program of the Corvalith mouse.
#include "app/win/CMouseConfigurationApp.h"
#include "platform/win/SystemLibraries.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    corvalith::SystemLibraries::LoadFromSystemFolderOnly();
    corvalith::CMouseConfigurationApp app(corvalith::ProgramOptions::FromEnvironment());
    return app.Main();
}
