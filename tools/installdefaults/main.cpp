// The default data folder of a fresh installation.
//   corvalith-installdefaults OUTPUT-FOLDER          writes <output>/<CODE>/ for every language: str.ini,
//                                                    str0.ini to str5.ini and config.bin
//   corvalith-installdefaults --into FOLDER CODE     lays the defaults of one language down into a data
//                                                    folder that may be in use: only what it lacks is added
// The Windows build (corvalith-installdefaults.exe) is the one the setup program runs; its arguments are
// taken as UTF-16, so a data folder under any user name works.
#include "assign/InstallationDefaults.h"

#ifdef _WIN32
#include "platform/win/WideString.h"
#include "platform/win/Win32FileSystem.h"
#else
#include "platform/posix/PosixFileSystem.h"
#endif

#include <cstdio>
#include <string>
#include <vector>

namespace {

#ifdef _WIN32
using SystemFileSystem = corvalith::Win32FileSystem;
constexpr char kSeparator = '\\';
#else
using SystemFileSystem = corvalith::PosixFileSystem;
constexpr char kSeparator = '/';
#endif

std::string WithSeparator(std::string folder) {
    if (folder.empty() || (folder.back() != '/' && folder.back() != kSeparator)) {
        folder += kSeparator;
    }
    return folder;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: corvalith-installdefaults OUTPUT-FOLDER | --into DATA-FOLDER CHS|CHT|EN|DE\n");
    return 2;
}

int Run(const std::vector<std::string>& argv) {
    const std::size_t argc = argv.size();
    SystemFileSystem files;
    if (argc == 4 && argv[1] == "--into") {
        const std::string folder = WithSeparator(argv[2]);
        const auto language = corvalith::LanguageCode::Parse(argv[3]);
        if (!language) {
            return Usage();
        }
        if (const int error = corvalith::InstallationDefaults::LayDown(files, folder, *language);
            error != 0) {
            std::fprintf(stderr, "cannot lay the defaults down in %s: error %d\n", folder.c_str(), error);
            return 1;
        }
        return 0;
    }
    if (argc != 2) {
        return Usage();
    }
    const std::string root = WithSeparator(argv[1]);
    for (const corvalith::Language language :
         {corvalith::Language::SimplifiedChinese, corvalith::Language::TraditionalChinese,
          corvalith::Language::English, corvalith::Language::German}) {
        const std::string folder = root + std::string(corvalith::LanguageCode::CodeOf(language)) + kSeparator;
        if (const int error = corvalith::InstallationDefaults::Write(files, folder, language); error != 0) {
            std::fprintf(stderr, "cannot write %s: error %d\n", folder.c_str(), error);
            return 1;
        }
    }
    return 0;
}

} // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.push_back(corvalith::WideString::ToUtf8(argv[i]));
    }
    return Run(arguments);
}
#else
int main(int argc, char** argv) {
    return Run(std::vector<std::string>(argv, argv + argc));
}
#endif
