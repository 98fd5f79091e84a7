// Generates the default data folder of a fresh installation for each language: <output>/<CODE>/ holds
// str.ini, str0.ini to str5.ini and config.bin.
#include "lang/InstallationDefaults.h"
#include "platform/posix/PosixFileSystem.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    std::string root = argv[1];
    if (root.empty() || root.back() != '/') {
        root += '/';
    }
    corvalith::PosixFileSystem files;
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
