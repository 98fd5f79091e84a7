// Kills during saves: a child process saves profiles (config<n>.bin), their captions (str<n>.ini), the
// profile list (str.ini) and the macros (record.ini) in a loop, through the real file system (POSIX, or
// Win32 in the Windows build, run under Wine) and the program's own storage classes, in a temporary folder;
// the parent kills it at a random moment (SIGKILL, or TerminateProcess), then reads every file back. Each
// file must be there, whole, and hold exactly what one save of it wrote: its content before the child started
// or one the child wrote, never a mix of two saves, never cut short.
//
// Save number g writes, in this order: config<g mod 3>.bin with the profile of g, str<g mod 3>.ini with
// the captions of g, str.ini with the list whose second entry is named after g, and record.ini with a
// macro whose loop count is g. Reading a file back gives the g it was written by; the bytes expected for
// that g come from the same save run on a folder in memory that starts as the real one did.
//
//   corvalith_kill_saves [--kills N] [--seed S] [--max-delay-us N]
//   corvalith_kill_saves --child FOLDER FIRST EVENT   (Windows: the child, started by the campaign itself)
//
// Prints the seed, how many kills left a save half-done (its temporary file behind), and exits 1 at the
// first file that does not read back as one whole save, leaving the folder for inspection.
#include "cli/QuietHost.h"
#include "doubles/MemoryFileSystem.h"
#include "ini/IniDocument.h"
#include "macro/MacroFile.h"
#include "platform/FixedDataFolderLocator.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileListStore.h"
#include "profile/ProfileStorage.h"

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#ifdef _WIN32
#include "platform/win/WideString.h"
#include "platform/win/Win32FileSystem.h"

#include <windows.h>
#else
#include "platform/posix/PosixFileSystem.h"

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace corvalith {
namespace {

#ifdef _WIN32
using RealFileSystem = Win32FileSystem;
#else
using RealFileSystem = PosixFileSystem;
#endif

constexpr int kNumbered = 3;                        // config0..2.bin and str0..2.ini
constexpr std::uint64_t kSavesPerRun = 100'000'000; // save numbers of child k start at k times this
const char* const kSection = "Setting-EN";
const char* const kMacroName = "Macro_1";

// The profile of save g: the number in the reserved bytes at offset 74, the rest following from it.
ProfileSettings ProfileOf(std::uint64_t g) {
    ProfileSettings profile = ProfileSettings::FactoryDefaults();
    std::memcpy(profile.Reserved74, &g, sizeof g);
    profile.ProfileIndex = static_cast<std::uint8_t>(g % kNumbered);
    profile.SensitivityX = static_cast<std::uint8_t>(1 + g % 11);
    for (std::size_t i = 0; i < sizeof profile.MacroBlockTable; ++i) {
        profile.MacroBlockTable[i / ProfileSettings::kMacroBlockSize][i % ProfileSettings::kMacroBlockSize] =
            static_cast<std::uint8_t>(g * 31 + i);
    }
    return profile;
}

std::string Caption(std::uint64_t g, std::size_t slot) {
    return "Caption " + std::to_string(g) + "-" + std::to_string(slot);
}
std::string ListName(std::uint64_t g) {
    return "Saved " + std::to_string(g);
}

// One save of every kind, through the program's storage classes.
void Save(IFileSystem& files, const std::string& folder, std::uint64_t g) {
    QuietHost quiet;
    FixedDataFolderLocator locator(folder);
    ProfileSession session;
    ProfileStorage storage(session, {files, quiet, locator, quiet, quiet, quiet});
    session.CurrentProfileIndex = static_cast<std::uint8_t>(g % kNumbered);
    session.Working = ProfileOf(g);
    storage.SaveProfile();
    for (std::size_t slot = 0; slot < session.Captions.size(); ++slot) {
        session.Captions[slot] = Caption(g, slot);
    }
    storage.SaveCaptions(kSection);

    ProfileList list({"Profile 1", "Profile 2", "Profile 3"});
    list.Rename(1, ListName(g));
    list.Select(static_cast<int>(g % kNumbered));
    ProfileListStore(files, folder).Save(list, session);

    Macro macro{kMacroName, std::to_string(g), 1, {"A   Dn", std::to_string(g % 1000) + " ms", "A   Up"}};
    MacroFile(files, folder + "record.ini").WriteMacro(macro);
}

// The save number a file's content was written by, read the way the program reads it; nothing when the
// content is not one the saves write (a mix, a cut or garbage).
std::optional<std::uint64_t> SaveNumber(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const auto number = [](const std::string& text,
                           const std::string& prefix) -> std::optional<std::uint64_t> {
        if (!text.starts_with(prefix) || text.size() == prefix.size()) {
            return std::nullopt;
        }
        return std::strtoull(text.c_str() + prefix.size(), nullptr, 10);
    };
    if (name.starts_with("config")) {
        if (bytes.size() != ProfileFile::kSize) {
            return std::nullopt;
        }
        ProfileSettings profile{};
        ProfileFile::Decode(bytes, profile);
        std::uint64_t g = 0;
        std::memcpy(&g, profile.Reserved74, sizeof g);
        return g;
    }
    const ini::IniDocument document = ini::IniDocument::Parse(bytes);
    if (name == "str.ini") {
        return number(document.GetString("Profile", "Item1"), "Saved ");
    }
    if (name == "record.ini") {
        return number(document.GetString(kMacroName, "MacroLoopTimes"), "");
    }
    const std::string caption = document.GetString(kSection, "Item1");
    const auto dash = caption.rfind('-');
    return dash == std::string::npos ? std::nullopt : number(caption.substr(0, dash), "Caption ");
}

std::vector<std::string> SavedFiles() {
    std::vector<std::string> names = {"str.ini", "record.ini"};
    for (int n = 0; n < kNumbered; ++n) {
        names.push_back("config" + std::to_string(n) + ".bin");
        names.push_back("str" + std::to_string(n) + ".ini");
    }
    return names;
}

std::optional<std::vector<std::uint8_t>> ReadReal(const std::string& path) {
    RealFileSystem real;
    const IFileSystem& files = real;
    return files.ReadFile(path);
}

class Campaign {
public:
    explicit Campaign(std::string folder) : folder_(std::move(folder)) {
        // The list and the macros are only ever rewritten, never created, by these saves.
        RealFileSystem files;
        const std::string list = "[Skins]\r\nLan=EN\r\n";
        const std::string macros = "[MacroName]\r\nMacroCount=1\r\n0=Macro_1\r\n";
        files.WriteFileAtomically(folder_ + "str.ini", std::vector<std::uint8_t>(list.begin(), list.end()));
        files.WriteFileAtomically(folder_ + "record.ini",
                                  std::vector<std::uint8_t>(macros.begin(), macros.end()));
        for (std::uint64_t g = 0; g < kNumbered; ++g) {
            Save(files, folder_, g);
        }
        for (const std::string& name : SavedFiles()) {
            start_.Put(folder_ + name, *ReadReal(folder_ + name));
            last_[name] =
                name == "str.ini" || name == "record.ini" ? kNumbered - 1 : name[name.size() - 5] - '0';
        }
    }

    // One child run of saves numbered from `first`, killed after `delay` microseconds. False (with the
    // reason printed) when a file does not read back as one whole save.
    bool KillOnce(std::uint64_t first, unsigned delay, int& halfDone) {
#ifdef _WIN32
        wchar_t self[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, self, MAX_PATH);
        // The random moment is counted from when the child is running: starting a process takes longer
        // than the whole range of moments.
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        const HANDLE running = ::CreateEventW(&inherited, TRUE, FALSE, nullptr);
        std::wstring command = L"\"" + std::wstring(self) + L"\" --child \"" +
                               WideString::FromUtf8(folder_.substr(0, folder_.size() - 1)) + L"\" " +
                               std::to_wstring(first) + L" " +
                               std::to_wstring(reinterpret_cast<std::uintptr_t>(running));
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION child{};
        if (!::CreateProcessW(self, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                              &child)) {
            std::printf("CreateProcess failed: %lu\n", ::GetLastError());
            ::CloseHandle(running);
            return false;
        }
        const HANDLE either[] = {running, child.hProcess};
        ::WaitForMultipleObjects(2, either, FALSE, 30'000);
        ::CloseHandle(running);
        // Never outlive the campaign: the child is in a job that ends with it.
        ::AssignProcessToJobObject(Job(), child.hProcess);
        LARGE_INTEGER frequency, from, now;
        ::QueryPerformanceFrequency(&frequency);
        ::QueryPerformanceCounter(&from);
        do {
            ::QueryPerformanceCounter(&now);
        } while ((now.QuadPart - from.QuadPart) * 1'000'000 / frequency.QuadPart < delay);
        ::TerminateProcess(child.hProcess, 1);
        ::WaitForSingleObject(child.hProcess, INFINITE);
        ::CloseHandle(child.hThread);
        ::CloseHandle(child.hProcess);
#else
        const pid_t parent = ::getpid();
        const pid_t child = ::fork();
        if (child < 0) {
            std::perror("fork");
            return false;
        }
        if (child == 0) {
            // Never outlive the campaign, whatever happens to it.
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (::getppid() != parent) {
                ::_exit(0);
            }
            PosixFileSystem files;
            for (std::uint64_t g = first;; ++g) {
                Save(files, folder_, g);
            }
        }
        ::usleep(delay);
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
#endif

        // A temporary file left behind marks a save stopped half-way. The next save of that file
        // overwrites it; it is removed here only so that each kill is counted on its own.
        std::vector<std::filesystem::path> temporaries;
        for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
            if (entry.path().extension() == ".tmp") {
                temporaries.push_back(entry.path());
            }
        }
        halfDone += temporaries.empty() ? 0 : 1;
        for (const std::string& name : SavedFiles()) {
            if (!Check(name, first)) {
                return false;
            }
        }
        for (const auto& path : temporaries) {
            std::filesystem::remove(path);
        }
        return true;
    }

private:
#ifdef _WIN32
    static HANDLE Job() {
        static const HANDLE job = [] {
            const HANDLE made = ::CreateJobObjectW(nullptr, nullptr);
            JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
            limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
            ::SetInformationJobObject(made, JobObjectExtendedLimitInformation, &limits, sizeof limits);
            return made;
        }();
        return job;
    }
#endif

    bool Check(const std::string& name, std::uint64_t first) {
        const auto bytes = ReadReal(folder_ + name);
        if (!bytes) {
            std::printf("%s is gone\n", name.c_str());
            return false;
        }
        const auto g = SaveNumber(name, *bytes);
        const bool numbered = name != "str.ini" && name != "record.ini";
        if (!g || (*g != last_[name] && (*g < first || *g >= first + kSavesPerRun)) ||
            (numbered && static_cast<int>(*g % kNumbered) != name[name.size() - 5] - '0')) {
            std::printf("%s (%zu bytes) is not a file any save wrote\n", name.c_str(), bytes->size());
            return false;
        }
        test::MemoryFileSystem memory = start_;
        Save(memory, folder_, *g);
        if (memory.Get(folder_ + name) != *bytes) {
            std::printf("%s differs from what save %llu wrote\n", name.c_str(),
                        static_cast<unsigned long long>(*g));
            return false;
        }
        last_[name] = *g;
        return true;
    }

    std::string folder_;
    test::MemoryFileSystem start_; // the files as they were before the first child ran
    std::map<std::string, std::uint64_t> last_;
};

} // namespace
} // namespace corvalith

int main(int argc, char** argv) {
    using namespace corvalith;
#ifdef _WIN32
    if (argc == 5 && std::string(argv[1]) == "--child") {
        // The saving child: says it is running, then saves until it is killed.
        RealFileSystem files;
        const std::string folder = std::string(argv[2]) + "\\";
        ::SetEvent(
            reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(std::strtoull(argv[4], nullptr, 10))));
        for (std::uint64_t g = std::strtoull(argv[3], nullptr, 10);; ++g) {
            Save(files, folder, g);
        }
    }
#endif
    long long kills = 20;
    unsigned maxDelay = 20'000;
    std::uint64_t seed = std::random_device{}();
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--kills") {
            kills = std::atoll(argv[i + 1]);
        } else if (option == "--seed") {
            seed = std::strtoull(argv[i + 1], nullptr, 10);
        } else if (option == "--max-delay-us") {
            maxDelay = static_cast<unsigned>(std::atoi(argv[i + 1]));
        } else {
            std::fprintf(stderr, "usage: %s [--kills N] [--seed S] [--max-delay-us N]\n", argv[0]);
            return 2;
        }
    }
#ifdef _WIN32
    wchar_t base[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, base);
    std::string pattern = WideString::ToUtf8(base) + "corvalith-kills-" +
                          std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(::GetTickCount64());
    if (!::CreateDirectoryW(WideString::FromUtf8(pattern).c_str(), nullptr)) {
        std::printf("CreateDirectory failed: %lu\n", ::GetLastError());
        return 1;
    }
    const std::string folder = pattern + "\\";
#else
    const char* base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/corvalith-kills-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string folder = pattern + "/";
#endif
    std::printf("seed %llu, %lld kills, folder %s\n", static_cast<unsigned long long>(seed), kills,
                folder.c_str());
    std::fflush(stdout);

    std::mt19937_64 random(seed);
    Campaign campaign(folder);
    int halfDone = 0;
    for (long long k = 1; k <= kills; ++k) {
        const auto delay = std::uniform_int_distribution<unsigned>(0, maxDelay)(random);
        if (!campaign.KillOnce(static_cast<std::uint64_t>(k) * kSavesPerRun, delay, halfDone)) {
            std::printf("kill %lld (after %u us) left a bad file; the folder is kept\n", k, delay);
            return 1;
        }
    }
    std::printf("%lld kills: every file read back whole; %d kills stopped a save half-done\n", kills,
                halfDone);
    std::filesystem::remove_all(pattern);
    return 0;
}
