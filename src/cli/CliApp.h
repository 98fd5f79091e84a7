#pragma once

#include "device/ProfileWriter.h"
#include "platform/IClock.h"
#include "platform/IFileSystem.h"
#include "platform/IHidSystem.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace corvalith {

// corvalith-cli: inspects and applies profile files and shows the exact report stream of every device
// operation. Bad input gets one line on the error stream and exit status 2, and nothing is written to a
// file or a device; a mouse that cannot be found gives status 1.
class CliApp {
public:
    struct Environment {
        std::function<std::unique_ptr<IHidSystem>()> OpenHid; // the system's HID interfaces
        IClock& Clock;
        IFileSystem& Files;
        std::ostream& Out;
        std::ostream& Err;
        bool Terminal; // Out is a terminal: apply counts its reports there on one line
        // What the mouse holds after the last complete apply, for apply --only-changes; empty: none kept.
        std::string StateFile;
    };

    explicit CliApp(Environment environment) : env_(std::move(environment)) {}

    int Run(const std::vector<std::string>& arguments);

    static constexpr int kBadInput = 2;
    static constexpr int kNoMouse = 1;

private:
    int List();
    int Show(const std::vector<std::string>& options);
    int TraceUpload(const std::vector<std::string>& options);
    int Apply(const std::vector<std::string>& options);
    int Watch(const std::vector<std::string>& options);
    int EncodeMacros(const std::vector<std::string>& options);
    int BadInput(const std::string& message);
    // The state file: a stored profile (1893 bytes) of what the mouse holds, then one byte of the groups
    // known (ProfileGroups' bits). Read before apply --only-changes; kept after every complete apply,
    // removed after one with a failed report.
    static constexpr std::size_t kStateSize = 1 + ProfileSettings::kSize + 1;
    void RememberState(ProfileWriter& writer);
    void KeepState(const ProfileWriter& writer, const std::optional<ProfileSettings>& written);
    // Reads a profile file named by --profile; false (after the error line) when it is missing or not a
    // stored profile of exactly 1893 bytes. `marker` receives the file's marker byte.
    bool ReadProfile(const std::string& path, struct ProfileSettings& profile, int& marker, int& status);
    // The options of a command that takes --profile FILE (and the other options named), and that file
    // read; false (after the error line) on bad input.
    bool ReadProfileCommand(const std::vector<std::string>& arguments,
                            const std::vector<std::string>& otherOptions,
                            std::map<std::string, std::string>& options, struct ProfileSettings& profile,
                            int& marker, int& status);

    Environment env_;
};

} // namespace corvalith
