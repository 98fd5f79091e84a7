#include "cli/CliApp.h"

#include "cli/DiscardingFileSystem.h"
#include "cli/ProfileFields.h"
#include "cli/ProgressLine.h"
#include "cli/QuietHost.h"
#include "device/DeviceLink.h"
#include "device/ProfileUploader.h"
#include "macro/MacroTableBuilder.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileStorage.h"
#include "sim/SimulatedClock.h"
#include "sim/VirtualMouse.h"

#include <cstdio>
#include <map>
#include <set>

namespace corvalith {

namespace {

const char* const kUsage = "usage: corvalith-cli list | show --profile FILE | trace-upload --profile FILE "
                           "[--op all|buttons|sensitivity|dpi|polling|lighting|liftoff] | "
                           "encode-macros --macros FILE [--first-type 0x05|0x32] | apply --profile FILE "
                           "[--only-changes] | watch | --help";

// Every command with an example; the examples name the files of the data folder
// (~/.config/Corvalith on Linux), so they work from inside it.
const char* const kHelp =
    "corvalith-cli: the Corvalith mouse and its profile files from the command line.\n"
    "\n"
    "usage: corvalith-cli COMMAND [OPTIONS]\n"
    "\n"
    "commands:\n"
    "  list\n"
    "      the mouse's HID interfaces and their capabilities\n"
    "      example: corvalith-cli list\n"
    "  show --profile FILE\n"
    "      every field of a profile file, one name=value a line\n"
    "      example: corvalith-cli show --profile config0.bin\n"
    "  trace-upload --profile FILE [--op all|buttons|sensitivity|dpi|polling|lighting|liftoff]\n"
    "      runs that upload against a fresh virtual mouse and prints its reports and waits\n"
    "      example: corvalith-cli trace-upload --profile config0.bin --op dpi\n"
    "  encode-macros --macros FILE [--first-type 0x05|0x32]\n"
    "      the twelve 130-byte macro blocks of a macros file, one hex line each\n"
    "      example: corvalith-cli encode-macros --macros record.ini\n"
    "  apply --profile FILE [--only-changes]\n"
    "      writes the profile to the mouse; on a terminal a line counts its reports as they go.\n"
    "      --only-changes sends only what differs from what the mouse holds after the last apply\n"
    "      (kept in $XDG_STATE_HOME/corvalith/mouse-state.bin), everything when that is not known\n"
    "      example: corvalith-cli apply --profile config0.bin --only-changes\n"
    "  watch\n"
    "      prints the mouse's DPI-stage events as they come, until interrupted\n"
    "      example: corvalith-cli watch\n"
    "  --help\n"
    "      this text\n"
    "      example: corvalith-cli --help\n"
    "\n"
    "exit status: 0 done, 1 the mouse was not found, 2 bad input (nothing is written).\n";

// "--name value" pairs; false with a message for an unknown option, a missing value or a repeat.
// Options that take no value.
const std::set<std::string> kFlags = {"--only-changes"};

bool ParseOptions(const std::vector<std::string>& arguments, const std::set<std::string>& allowed,
                  std::map<std::string, std::string>& options, std::string& message) {
    for (std::size_t i = 1; i < arguments.size(); i += 2) {
        const std::string& name = arguments[i];
        if (kFlags.contains(name) && allowed.contains(name)) {
            // A flag takes no value.
            if (!options.emplace(name, "").second) {
                message = "option " + name + " given twice";
                return false;
            }
            --i;
            continue;
        }
        if (!allowed.contains(name)) {
            message = "unknown option '" + name + "' for " + arguments[0];
            return false;
        }
        if (i + 1 >= arguments.size()) {
            message = "option " + name + " needs a value";
            return false;
        }
        if (!options.emplace(name, arguments[i + 1]).second) {
            message = "option " + name + " given twice";
            return false;
        }
    }
    return true;
}

// A host around one device link: the uploads of the program with a data folder that keeps nothing.
struct UploadHost {
    UploadHost(IHidSystem& hid, IClock& clock)
        : link(hid, clock, quiet, [](std::uint8_t) {}),
          storage(session, {files, quiet, quiet, quiet, quiet, quiet}),
          uploader(link, session, storage, quiet, quiet) {}

    QuietHost quiet;
    DiscardingFileSystem files;
    ProfileSession session;
    DeviceLink link;
    ProfileStorage storage;
    ProfileUploader uploader;
};

} // namespace

int CliApp::BadInput(const std::string& message) {
    env_.Err << "corvalith-cli: " << message << "\n";
    return kBadInput;
}

bool CliApp::ReadProfile(const std::string& path, ProfileSettings& profile, int& marker, int& status) {
    const auto bytes = env_.Files.ReadFile(path, ProfileFile::kSize + 1);
    if (!bytes) {
        status = BadInput("cannot read profile file '" + path + "'");
        return false;
    }
    if (bytes->size() != ProfileFile::kSize) {
        status = BadInput("'" + path + "' is not a profile file: " + std::to_string(ProfileFile::kSize) +
                          " bytes expected, " +
                          (bytes->size() > ProfileFile::kSize ? "more" : std::to_string(bytes->size())) +
                          " found");
        return false;
    }
    marker = ProfileFile::Decode(*bytes, profile).Marker;
    return true;
}

bool CliApp::ReadProfileCommand(const std::vector<std::string>& arguments,
                                const std::vector<std::string>& otherOptions,
                                std::map<std::string, std::string>& options, ProfileSettings& profile,
                                int& marker, int& status) {
    std::set<std::string> allowed(otherOptions.begin(), otherOptions.end());
    allowed.insert("--profile");
    std::string message;
    if (!ParseOptions(arguments, allowed, options, message)) {
        status = BadInput(message);
        return false;
    }
    if (!options.contains("--profile")) {
        status = BadInput(arguments[0] + " needs --profile FILE");
        return false;
    }
    return ReadProfile(options["--profile"], profile, marker, status);
}

int CliApp::Run(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return BadInput(kUsage);
    }
    const std::string& command = arguments[0];
    if (command == "--help" || command == "-h" || command == "help") {
        if (arguments.size() > 1) {
            return BadInput(command + " takes no options");
        }
        env_.Out << kHelp;
        return 0;
    }
    if (command == "list") {
        if (arguments.size() > 1) {
            return BadInput("list takes no options");
        }
        return List();
    }
    if (command == "show") {
        return Show(arguments);
    }
    if (command == "trace-upload") {
        return TraceUpload(arguments);
    }
    if (command == "apply") {
        return Apply(arguments);
    }
    if (command == "watch") {
        return Watch(arguments);
    }
    if (command == "encode-macros") {
        return EncodeMacros(arguments);
    }
    return BadInput("unknown command '" + command + "'; " + kUsage);
}

int CliApp::List() {
    const std::unique_ptr<IHidSystem> hid = env_.OpenHid();
    if (!hid->BeginEnumeration()) {
        env_.Err << "corvalith-cli: the system cannot list its HID interfaces\n";
        return kNoMouse;
    }
    int found = 0;
    std::string path;
    for (std::size_t index = 0; hid->InterfacePath(index, path); ++index) {
        std::uint32_t error = 0;
        const std::unique_ptr<IHidDevice> probe = hid->Open(path, HidOpenMode::Probe, error);
        HidAttributes attributes;
        if (!probe || !probe->GetAttributes(attributes) || attributes.VendorId != DeviceLink::kVendorId ||
            attributes.ProductId != DeviceLink::kProductId) {
            continue;
        }
        HidCaps caps;
        const bool known = probe->GetPreparsedData() && probe->GetCaps(caps);
        const char* role = !known                                                          ? "unknown"
                           : caps.UsagePage == 0xFF01 && caps.FeatureReportByteLength == 9 ? "configuration"
                           : caps.UsagePage == 0xFF02 && caps.InputReportByteLength != 0   ? "events"
                                                                                           : "other";
        char line[160];
        std::snprintf(line, sizeof line,
                      "usage-page=0x%04x usage=0x%04x feature=%u input=%u output=%u role=%s ", caps.UsagePage,
                      caps.Usage, caps.FeatureReportByteLength, caps.InputReportByteLength,
                      caps.OutputReportByteLength, role);
        env_.Out << line << path << "\n";
        ++found;
    }
    hid->EndEnumeration();
    if (found == 0) {
        env_.Err << "corvalith-cli: no Corvalith mouse (VID 260d, PID 1005) found\n";
        return kNoMouse;
    }
    return 0;
}

int CliApp::Show(const std::vector<std::string>& arguments) {
    std::map<std::string, std::string> options;
    ProfileSettings profile{};
    int marker = 0;
    int status = 0;
    if (!ReadProfileCommand(arguments, {}, options, profile, marker, status)) {
        return status;
    }
    env_.Out << "Marker=" << marker << "\n";
    for (const std::string& line : ProfileFields::Lines(profile)) {
        env_.Out << line << "\n";
    }
    return 0;
}

int CliApp::TraceUpload(const std::vector<std::string>& arguments) {
    std::map<std::string, std::string> options;
    ProfileSettings profile{};
    int marker = 0;
    int status = 0;
    if (!ReadProfileCommand(arguments, {"--op"}, options, profile, marker, status)) {
        return status;
    }
    const std::map<std::string, void (ProfileUploader::*)()> operations = {
        {"all", &ProfileUploader::WriteProfileToMouse},      {"buttons", &ProfileUploader::ApplyButtons},
        {"sensitivity", &ProfileUploader::ApplySensitivity}, {"dpi", &ProfileUploader::ApplyDpi},
        {"polling", &ProfileUploader::ApplyPollingRate},     {"lighting", &ProfileUploader::ApplyLighting},
        {"liftoff", &ProfileUploader::ApplyLiftOff},
    };
    const std::string op = options.contains("--op") ? options["--op"] : "all";
    const auto operation = operations.find(op);
    if (operation == operations.end()) {
        return BadInput("unknown --op '" + op +
                        "'; one of all, buttons, sensitivity, dpi, polling, lighting, liftoff");
    }

    TraceWriter trace;
    SimulatedClock clock(trace);
    VirtualMouse mouse(trace);
    mouse.Plug();
    UploadHost host(mouse, clock);
    host.link.Connect();
    host.session.Working = profile;
    (host.uploader.*operation->second)();
    for (const std::string& line : trace.Lines()) {
        env_.Out << line << "\n";
    }
    return 0;
}

int CliApp::Apply(const std::vector<std::string>& arguments) {
    std::map<std::string, std::string> options;
    ProfileSettings profile{};
    int marker = 0;
    int status = 0;
    if (!ReadProfileCommand(arguments, {"--only-changes"}, options, profile, marker, status)) {
        return status;
    }
    const std::unique_ptr<IHidSystem> hid = env_.OpenHid();
    UploadHost host(*hid, env_.Clock);
    if (!host.link.Connect()) {
        env_.Err << "corvalith-cli: no Corvalith mouse found (or its interfaces cannot be opened)\n";
        return kNoMouse;
    }
    ProfileWriter& writer = host.uploader.Writer();
    const bool onlyChanges = options.contains("--only-changes");
    if (onlyChanges) {
        RememberState(writer);
    }
    // Sent at once on this thread; on a terminal its reports are counted on one line. Only the changes: the
    // groups that differ from what the state file says the mouse holds, the lift-off command included.
    ProgressLine progress(env_.Out);
    host.session.Working = profile;
    const bool complete = writer.Run(onlyChanges ? UploadKind::Switch : UploadKind::Whole,
                                     host.session.Working, env_.Terminal ? &progress : nullptr);
    KeepState(writer, complete ? std::optional<ProfileSettings>(profile) : std::nullopt);
    env_.Out << "profile written to the mouse\n";
    return 0;
}

void CliApp::RememberState(ProfileWriter& writer) {
    if (env_.StateFile.empty()) {
        return;
    }
    const auto bytes = env_.Files.ReadFile(env_.StateFile, kStateSize + 1);
    ProfileSettings held{};
    if (bytes && bytes->size() == kStateSize && bytes->front() == ProfileFile::kMarker &&
        ProfileFile::Decode(std::span(*bytes).first(ProfileFile::kSize), held).RecordBytes ==
            ProfileSettings::kSize) {
        writer.Remember(held, ProfileGroups::FromBits(bytes->back()));
    }
}

void CliApp::KeepState(const ProfileWriter& writer, const std::optional<ProfileSettings>& written) {
    if (env_.StateFile.empty()) {
        return;
    }
    if (!written) {
        // After a failed report nothing certain is known of the mouse.
        env_.Files.RemoveFile(env_.StateFile);
        return;
    }
    std::vector<std::uint8_t> state = ProfileFile::Encode(*written);
    state.push_back(writer.Known().Bits());
    const std::size_t slash = env_.StateFile.find_last_of("/\\");
    if (slash != std::string::npos) {
        env_.Files.CreateDirectories(env_.StateFile.substr(0, slash));
    }
    env_.Files.WriteFileAtomically(env_.StateFile, state);
}

int CliApp::Watch(const std::vector<std::string>& arguments) {
    if (arguments.size() > 1) {
        return BadInput("watch takes no options");
    }
    const std::unique_ptr<IHidSystem> hid = env_.OpenHid();
    QuietHost quiet;
    std::ostream& out = env_.Out;
    DeviceLink link(*hid, env_.Clock, quiet, [&out](std::uint8_t stage) {
        out << "dpi-stage " << static_cast<int>(stage) << " (stage " << stage + 1 << ")" << std::endl;
    });
    if (!link.Connect()) {
        env_.Err << "corvalith-cli: no Corvalith mouse found (or its interfaces cannot be opened)\n";
        return kNoMouse;
    }
    env_.Out << "watching DPI-stage events; press Ctrl+C to stop" << std::endl;
    link.Reader().Start();
    link.Reader().WaitForExit(0xFFFFFFFFu);
    return 0;
}

int CliApp::EncodeMacros(const std::vector<std::string>& arguments) {
    std::map<std::string, std::string> options;
    std::string message;
    if (!ParseOptions(arguments, {"--macros", "--first-type"}, options, message)) {
        return BadInput(message);
    }
    if (!options.contains("--macros")) {
        return BadInput("encode-macros needs --macros FILE");
    }
    // Blocks built from the file start with event type 0x05; the macro manager's OK builds them with 0x32.
    std::uint8_t firstType = 0x05;
    if (options.contains("--first-type")) {
        const auto parsed = MacroTableBuilder::ParseFirstEventType(options["--first-type"]);
        if (!parsed) {
            return BadInput("--first-type must be 0x05 or 0x32, not '" + options["--first-type"] + "'");
        }
        firstType = *parsed;
    }
    const auto lines = MacroTableBuilder::HexLines(env_.Files, options["--macros"], firstType);
    if (!lines) {
        return BadInput("cannot read macros file '" + options["--macros"] + "'");
    }
    for (const std::string& line : *lines) {
        env_.Out << line << "\n";
    }
    return 0;
}

} // namespace corvalith
