#pragma once

#include "app/win/CMouseConfigurationApp.h"
#include "app/win/CMouseConfigurationDlg.h"
#include "doubles/ScriptedPrompts.h"
#include "ini/FileInstallRecord.h"
#include "platform/RecordingMouseSettings.h"
#include "platform/RecordingShell.h"
#include "platform/win/Win32FileSystem.h"
#include "win/support/ButtonClick.h"
#include "win/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace corvalith::test {

// Dispatches every waiting message the way the program's loops do.
inline void Pump() {
    for (int round = 0; round < 5; ++round) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!CWnd::PreTranslateTree(&message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        Sleep(5);
    }
}

// The main window over the virtual mouse, created modeless so that the test drives it with messages.
// Every outside effect is a double: the data folder and the installation record live in a temporary
// folder, the pointer settings and the shell are recorded.
struct MainWindow {
    struct Setup {
        bool firstInstallation = false;
        bool unplugged = false;
        std::string listText = "[Skins]\r\nLan=EN\r\n"; // what an installation lays down
        std::uint16_t uiLanguage = 0x0409;              // English (United States)
        IDeviceNotifications* notifications = nullptr;
        EventReader::ThreadStarter readerThread;
        std::string programFolder = "Z:\\nonexistent\\"; // no skins: every image is missing
        std::string dataFolder;                          // empty: a temporary folder of the fixture's own
        bool uploadThread = false; // uploads sent at once, so the mouse can be read right after a change
        // The virtual mouse's waits pass for real, so an upload on the worker takes its real time (a whole
        // write about four seconds); without, they only go into the trace.
        bool realWaits = false;
        int dpi = 96; // the scale the window is laid out for
    };

    MainWindow() : MainWindow(Setup{}) {}
    explicit MainWindow(bool firstInstallation, bool unplugged = false)
        : MainWindow(Starting(firstInstallation, unplugged)) {}
    explicit MainWindow(const Setup& setup) : record(files, installFolder.Path() + "install.ini") {
        EXPECT_TRUE(CMouseConfigurationApp::RegisterMainWindowClass(GetModuleHandleW(nullptr)));
        if (!setup.firstInstallation) {
            record.RecordInstallation("OFF");
        }
        options.Simulate = true;
        options.SimulatedWaitsPass = setup.realWaits; // else the trace shows every wait the program asks for
        options.UploadThread = setup.uploadThread;
        options.StartUnplugged = setup.unplugged;
        options.DataFolder = setup.dataFolder.empty() ? dataFolder.Path() : setup.dataFolder;
        if (!setup.listText.empty()) {
            files.WriteFileAtomically(
                options.DataFolder + "str.ini",
                std::vector<std::uint8_t>(setup.listText.begin(), setup.listText.end()));
        }
        options.Prompts = &prompts;
        options.Files = &files;
        options.InstallRecord = &record;
        options.MouseSettings = &mouseSettings;
        options.Shell = &shell;
        options.DeviceNotifications = setup.notifications;
        options.ReaderThread = setup.readerThread;
        options.UiLanguage = setup.uiLanguage;
        options.ShowSplash = false;
        options.Dpi = setup.dpi;
        window = std::make_unique<CMouseConfigurationDlg>(options, setup.programFolder);
        EXPECT_TRUE(window->Create());
        Pump();
    }
    static Setup Starting(bool firstInstallation, bool unplugged) {
        Setup setup;
        setup.firstInstallation = firstInstallation;
        setup.unplugged = unplugged;
        return setup;
    }
    ~MainWindow() {
        window->DestroyWindow();
        Pump();
    }
    ProgramServices& Services() { return window->Services(); }
    VirtualMouse& Mouse() { return *Services().Mouse(); }
    std::vector<std::string> TraceFrom(std::size_t first) {
        const auto lines = Services().Trace().Lines();
        return {lines.begin() + static_cast<long>(std::min(first, lines.size())), lines.end()};
    }

    TemporaryFolder dataFolder;
    TemporaryFolder installFolder;
    ScriptedPrompts prompts;
    Win32FileSystem files;
    FileInstallRecord record;
    RecordingMouseSettings mouseSettings;
    RecordingShell shell;
    ProgramOptions options;
    std::unique_ptr<CMouseConfigurationDlg> window;
};

} // namespace corvalith::test
