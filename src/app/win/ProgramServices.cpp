#include "app/win/ProgramServices.h"

#include "lang/LanguageCode.h"
#include "platform/TextNumber.h"
#include "platform/win/WideString.h"
#include "platform/win/Win32HidSystem.h"
#include "profile/ProgramRulesStore.h"

#include <dbt.h>

#include <cstdlib>

namespace corvalith {

namespace {

std::string Environment(const wchar_t* name) {
    wchar_t value[1024] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, 1024);
    return length > 0 && length < 1024 ? WideString::ToUtf8(value) : std::string();
}

} // namespace

ProgramOptions ProgramOptions::FromEnvironment() {
    ProgramOptions options;
    const std::string simulate = Environment(L"CORVALITH_SIMULATE");
    options.Simulate = simulate == "1" || simulate == "unplugged";
    options.StartUnplugged = simulate == "unplugged";
    options.TraceFile = Environment(L"CORVALITH_TRACE");
    options.Sandbox = Environment(L"CORVALITH_SANDBOX");
    options.Dpi = static_cast<int>(TextNumber::ParseLeading(Environment(L"CORVALITH_DPI")));
    if (!options.Sandbox.empty()) {
        if (options.Sandbox.back() != '\\' && options.Sandbox.back() != '/') {
            options.Sandbox += '\\';
        }
        options.DataFolder = options.Sandbox + "Corvalith\\";
    }
    return options;
}

namespace {

template <typename Interface>
Interface& Chosen(Interface* given, Interface& kept, Interface& system, bool sandboxed) {
    if (given != nullptr) {
        return *given;
    }
    return sandboxed ? kept : system;
}

} // namespace

ProgramServices::ProgramServices(const ProgramOptions& options, std::string programFolder,
                                 IUploadFeedback& feedback, EventReader::Handler onStageChanged)
    : sandboxRecord_(
          options.Sandbox.empty() || options.InstallRecord != nullptr
              ? nullptr
              : std::make_unique<FileInstallRecord>(options.Files != nullptr ? *options.Files : systemFiles_,
                                                    options.Sandbox + "install.ini")),
      Files(options.Files != nullptr ? *options.Files : systemFiles_),
      InstallRecord(options.InstallRecord != nullptr ? *options.InstallRecord
                    : sandboxRecord_                 ? static_cast<IInstallRecord&>(*sandboxRecord_)
                                                     : registryRecord_),
      MouseSettings(Chosen<ISystemMouseSettings>(options.MouseSettings, keptMouseSettings_,
                                                 systemMouseSettings_, !options.Sandbox.empty())),
      Shell(Chosen<IShell>(options.Shell, keptShell_, systemShell_, !options.Sandbox.empty())),
      DeviceNotifications(options.DeviceNotifications != nullptr ? *options.DeviceNotifications
                          : options.Simulate ? static_cast<IDeviceNotifications&>(simulatedNotifications_)
                                             : systemNotifications_),
      Skins(std::move(programFolder)), options_(options), prompts_(options.Prompts),
      fixedFolder_(options.DataFolder),
      simulatedClock_(options.Simulate ? std::make_unique<SimulatedClock>(
                                             trace_, options.SimulatedWaitsPass ? &realClock_ : nullptr)
                                       : nullptr),
      mouse_(options.Simulate ? std::make_unique<VirtualMouse>(trace_) : nullptr),
      hid_(options.Simulate ? nullptr : std::make_unique<Win32HidSystem>()),
      Link(mouse_ ? static_cast<IHidSystem&>(*mouse_) : *hid_,
           simulatedClock_ ? static_cast<IClock&>(*simulatedClock_) : realClock_, Debug,
           std::move(onStageChanged)),
      Storage(Session, {Files, Debug,
                        options.DataFolder.empty() ? static_cast<IDataFolderLocator&>(Folders) : fixedFolder_,
                        Macros, Uploader, Pointer}),
      Uploader(Link, Session, Storage, feedback, Debug),
      catalogue_(std::make_unique<AssignmentCatalogue>(Language)) {
    if (!options.TraceFile.empty()) {
        traceFile_ = _wfopen(WideString::FromUtf8(options.TraceFile).c_str(), L"ab");
    }
    trace_.SetSink([this](const std::string& line) {
        if (traceFile_ != nullptr) {
            std::fputs(line.c_str(), traceFile_);
            std::fputc('\n', traceFile_);
            std::fflush(traceFile_);
        }
        std::lock_guard lock(observerMutex_);
        if (reportObserver_) {
            reportObserver_();
        }
    });
    if (options.UploadThread) {
        Uploader.SetRunner(&Worker);
    }
    if (options.ReaderThread) {
        Link.Reader().SetThreadStarter(options.ReaderThread);
    }
    if (mouse_ && !options.StartUnplugged) {
        mouse_->Plug(); // the virtual mouse starts plugged in, as a mouse on the desk
    }
    // Later plugs and unplugs reach the main window as the system's broadcasts would.
    if (mouse_) {
        mouse_->SetDeviceChangeListener([this](DeviceChangeEvent event, const std::string& path) {
            simulatedNotifications_.Announce(event, path);
        });
    }
}

void ProgramServices::SetReportObserver(std::function<void()> observer) {
    std::lock_guard lock(observerMutex_);
    reportObserver_ = std::move(observer);
}

ProgramServices::~ProgramServices() {
    Worker.Stop();
    Link.Shutdown();
    trace_.SetSink(nullptr);
    if (traceFile_ != nullptr) {
        std::fclose(traceFile_);
    }
}

std::optional<DeviceStatus::Reaction> ProgramServices::OnDeviceChange(std::uintptr_t event,
                                                                      std::intptr_t block) {
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(block);
    if (header == nullptr) {
        return std::nullopt;
    }
    std::string path;
    if (header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE) {
        path =
            WideString::ToUtf8(reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header)->dbcc_name);
    }
    const DeviceChangeOutcome outcome =
        Link.OnDeviceChange(static_cast<std::uint32_t>(event), header->dbch_devicetype, path);
    if (outcome == DeviceChangeOutcome::Removed) {
        // Nothing queued can reach the mouse any more; its next arrival starts from the working profile.
        Worker.DropQueue();
    }
    return DeviceStatus::For(outcome);
}

void ProgramServices::LoadFirstProfile() {
    Session.Working.ProfileIndex = 0;
    Storage.LoadProfile();
    Storage.LoadCaptions(CaptionSection());
    Session.TakeSnapshot();
}

void ProgramServices::StopDeviceLink() {
    Worker.Stop();
    Link.Reader().RequestStop();
    for (int round = 0; round < 500 && !Link.Reader().WaitForExit(10);) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_SENDMESSAGE)) {
        }
        ++round;
    }
    Link.Shutdown();
}

ProgramRules& ProgramServices::Rules() {
    // Before start-up has chosen the data folder there is nothing to read yet.
    if (!rulesRead_ && !Storage.DataFolder().empty()) {
        rules_ = ProgramRulesStore(Files, Storage.DataFolder()).Read();
        rulesRead_ = true;
    }
    return rules_;
}

int ProgramServices::SaveRules() {
    return ProgramRulesStore(Files, Storage.DataFolder()).Write(Rules());
}

std::string ProgramServices::CaptionSection() const {
    return Language.Text(TextEntry::SettingSection);
}

void ProgramServices::SetLanguage(std::string_view code) {
    Language.Fill(code);
    catalogue_ = std::make_unique<AssignmentCatalogue>(Language);
    Uploader.SetCaptionSection(CaptionSection());
}

} // namespace corvalith
