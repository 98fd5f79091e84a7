#pragma once

#include "app/DeviceStatus.h"
#include "assign/AssignmentCatalogue.h"
#include "device/DeviceLink.h"
#include "device/IUploadFeedback.h"
#include "device/ProfileUploader.h"
#include "device/UploadWorker.h"
#include "framework/Win32Prompts.h"
#include "ini/FileInstallRecord.h"
#include "lang/LanguageTable.h"
#include "macro/MacroTableBuilder.h"
#include "platform/FixedDataFolderLocator.h"
#include "platform/IDeviceNotifications.h"
#include "platform/IShell.h"
#include "platform/RecordingMouseSettings.h"
#include "platform/RecordingShell.h"
#include "platform/win/RegistryInstallRecord.h"
#include "platform/win/Win32Clock.h"
#include "platform/win/Win32DataFolderLocator.h"
#include "platform/win/Win32DebugOutput.h"
#include "platform/win/Win32DeviceNotifications.h"
#include "platform/win/Win32FileSystem.h"
#include "platform/win/Win32Shell.h"
#include "platform/win/Win32SystemMouseSettings.h"
#include "profile/PointerSettingsApplier.h"
#include "profile/ProfileSession.h"
#include "profile/ProfileStorage.h"
#include "profile/ProgramRules.h"
#include "sim/SimulatedClock.h"
#include "sim/TraceWriter.h"
#include "sim/VirtualMouse.h"
#include "sim/win/SimulatedDeviceNotifications.h"
#include "skin/win/SkinImages.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace corvalith {

// How the program runs: from the environment for Corvalith.exe, set directly by tests. Every outside
// effect can be given here; what is left null is the system's own.
struct ProgramOptions {
    bool Simulate = false;       // CORVALITH_SIMULATE=1: the virtual mouse instead of the HID stack
    bool StartUnplugged = false; // CORVALITH_SIMULATE=unplugged: the virtual mouse, not plugged in yet
    std::string TraceFile;       // CORVALITH_TRACE: the virtual mouse's trace is appended here
    std::string DataFolder;      // empty: the user's application-data folder + "Corvalith\"
    // CORVALITH_SANDBOX=<folder>: a run that leaves the user's system alone. The data folder is
    // <folder>\Corvalith\, the installation record the file <folder>\install.ini, and the pointer
    // settings, web pages and programs stay inside the program.
    std::string Sandbox;
    IPrompts* Prompts = nullptr;                         // null: the real message boxes and dialogs
    IFileSystem* Files = nullptr;                        // null: the real files
    IInstallRecord* InstallRecord = nullptr;             // null: the registry (or the sandbox's file)
    ISystemMouseSettings* MouseSettings = nullptr;       // null: the system's (or kept, in a sandbox)
    IShell* Shell = nullptr;                             // null: the real shell (or kept, in a sandbox)
    IDeviceNotifications* DeviceNotifications = nullptr; // null: the system's (or the virtual mouse's)
    EventReader::ThreadStarter ReaderThread;             // empty: the reader runs on a std::thread
    // The Windows user-interface language (a LANGID) that chooses the texts when the data folder names no
    // usable language; 0 asks the system.
    std::uint16_t UiLanguage = 0;
    bool ShowSplash = true;
    // The virtual mouse's waits pass for real, as the real mouse's do; without, they only go into the trace
    // and advance its clock (the tests, which read the waits from the trace).
    bool SimulatedWaitsPass = true;
    // Uploads run on the device worker, so the window never waits for the mouse; without, each is sent at
    // once on the window's thread (tests that read the mouse right after a change).
    bool UploadThread = true;
    // The dots per inch the windows are laid out for (96 is 100 %); 0 takes the monitor's. CORVALITH_DPI
    // in the environment sets it, so that a scale can be shown where no monitor has it.
    int Dpi = 0;

    static ProgramOptions FromEnvironment();
};

// Everything the running program owns besides its windows: the working profile and its storage, the
// device link and the uploads, the language table and the assignment catalogue, the skin images and
// the platform services behind them. With CORVALITH_SIMULATE=1 in the environment the device link talks
// to the virtual mouse instead of the HID stack, and CORVALITH_TRACE=<file> appends its trace to a file;
// nothing else in the program can tell the difference.
class ProgramServices {
public:
    // programFolder: the executable's folder ending with a separator. feedback: the main window's wait
    // cursor and lift-off slider. onStageChanged: called on the reader thread for every stage event.
    ProgramServices(const ProgramOptions& options, std::string programFolder, IUploadFeedback& feedback,
                    EventReader::Handler onStageChanged);
    ~ProgramServices();

    bool Simulated() const { return mouse_ != nullptr; }
    VirtualMouse* Mouse() { return mouse_.get(); }

    // The language section the captions live in, from the language table ("Setting-EN"...).
    std::string CaptionSection() const;
    // Fills the language table from a language code, rebuilds the assignment catalogue in that language
    // and tells the uploads the caption section.
    void SetLanguage(std::string_view code);
    AssignmentCatalogue& Catalogue() { return *catalogue_; }
    IPrompts& Prompts() { return prompts_ != nullptr ? *prompts_ : systemPrompts_; }
    const ProgramOptions& Options() const { return options_; }
    // What the device link keeps writing: the trace of the virtual mouse.
    TraceWriter& Trace() { return trace_; }
    // Called after every report of the virtual mouse (on the thread that made it).
    void SetReportObserver(std::function<void()> observer);
    // A device-change broadcast (WM_DEVICECHANGE's event and block) handed to the device link: what the
    // main window does about it, nothing for a broadcast without a block.
    std::optional<DeviceStatus::Reaction> OnDeviceChange(std::uintptr_t event, std::intptr_t block);
    // The mouse came back: the profile list's first entry is loaded with its captions and is what the
    // mouse holds.
    void LoadFirstProfile();
    // Which profile follows which program, read from the data folder at the first use after start-up.
    ProgramRules& Rules();
    // Stores the rules; 0 or the system error.
    int SaveRules();
    // Stops the device worker (the report in progress ends, the rest is dropped) and the reader thread, and
    // closes the mouse. The reader hands events over with a blocking send, so the calling (window) thread
    // keeps handling sent messages until the reader has left.
    void StopDeviceLink();

private:
    // The system's own services, used where the options give none.
    Win32FileSystem systemFiles_;
    RegistryInstallRecord registryRecord_;
    Win32SystemMouseSettings systemMouseSettings_;
    Win32Shell systemShell_;
    Win32DeviceNotifications systemNotifications_;
    SimulatedDeviceNotifications simulatedNotifications_; // the virtual mouse's plugs and unplugs
    // A sandboxed run's stand-ins.
    RecordingMouseSettings keptMouseSettings_;
    RecordingShell keptShell_;
    std::unique_ptr<FileInstallRecord> sandboxRecord_;

public:
    ProfileSession Session;
    IFileSystem& Files;
    Win32DebugOutput Debug;
    Win32DataFolderLocator Folders;
    IInstallRecord& InstallRecord;
    ISystemMouseSettings& MouseSettings;
    IShell& Shell;
    IDeviceNotifications& DeviceNotifications;
    PointerSettingsApplier Pointer{MouseSettings, Debug};
    MacroTableBuilder Macros{Files};
    LanguageTable Language;
    SkinImages Skins;

private:
    ProgramOptions options_;
    Win32Prompts systemPrompts_;
    IPrompts* prompts_;
    FixedDataFolderLocator fixedFolder_; // a data folder given by the options instead of the system's
    // Declared before the device link, which uses them.
    Win32Clock realClock_;
    TraceWriter trace_;
    std::unique_ptr<SimulatedClock> simulatedClock_;
    std::unique_ptr<VirtualMouse> mouse_;
    std::unique_ptr<IHidSystem> hid_;
    std::FILE* traceFile_ = nullptr;
    std::mutex observerMutex_;
    std::function<void()> reportObserver_;

public:
    DeviceLink Link;
    ProfileStorage Storage;
    ProfileUploader Uploader;
    // Sends the uploads when the options ask for a thread of their own.
    UploadWorker Worker{Uploader.Writer(), Link};

private:
    std::unique_ptr<AssignmentCatalogue> catalogue_;
    ProgramRules rules_;
    bool rulesRead_ = false;
};

} // namespace corvalith
