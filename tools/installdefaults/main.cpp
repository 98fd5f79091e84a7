// The default data folder of a fresh installation.
//   corvalith-installdefaults OUTPUT-FOLDER          writes <output>/<CODE>/ for every language: str.ini,
//                                                    str0.ini to str5.ini and config.bin
//   corvalith-installdefaults --into FOLDER CODE     lays the defaults of one language down into a data
//                                                    folder that may be in use: only what it lacks is added
#include "lang/InstallationDefaults.h"
#include "platform/posix/PosixFileSystem.h"

#include <cstdio>
#include <string>

namespace {

std::string WithSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

int Usage(const char* program) {
    std::fprintf(stderr, "usage: %s OUTPUT-FOLDER | --into DATA-FOLDER CHS|CHT|EN|DE\n", program);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    corvalith::PosixFileSystem files;
    if (argc == 4 && std::string(argv[1]) == "--into") {
        const std::string folder = WithSeparator(argv[2]);
        const auto language = corvalith::LanguageCode::Parse(argv[3]);
        if (!language) {
            return Usage(argv[0]);
        }
        if (const int error = corvalith::InstallationDefaults::LayDown(files, folder, *language);
            error != 0) {
            std::fprintf(stderr, "cannot lay the defaults down in %s: error %d\n", folder.c_str(), error);
            return 1;
        }
        return 0;
    }
    if (argc != 2) {
        return Usage(argv[0]);
    }
    const std::string root = WithSeparator(argv[1]);
    for (const corvalith::Language language :
         {corvalith::Language::SimplifiedChinese, corvalith::Language::TraditionalChinese,
          corvalith::Language::English, corvalith::Language::German}) {
        const std::string folder = root + std::string(corvalith::LanguageCode::CodeOf(language)) + "/";
        if (const int error = corvalith::InstallationDefaults::Write(files, folder, language); error != 0) {
            std::fprintf(stderr, "cannot write %s: error %d\n", folder.c_str(), error);
            return 1;
        }
    }
    return 0;
}
