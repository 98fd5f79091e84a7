#pragma once

#include "lang/LanguageCode.h"
#include "platform/IFileSystem.h"

#include <string>
#include <vector>

namespace corvalith {

// The data folder a fresh installation lays down for its language. The program reads the language code
// and the button captions from the text files but never creates those keys, so an installation brings
// them: str.ini and str0.ini to str5.ini, each with [Skins] "Lan" = the language code and the default
// captions of the seven buttons in the sections of all four languages, and config.bin, the base profile
// (marker 1 and the factory defaults).
class InstallationDefaults {
public:
    InstallationDefaults() = delete;

    // The text files, in the order they are written.
    static std::vector<std::string> TextFileNames();

    // The content of each text file for `language`, as the INI engine writes a new file (UTF-16LE with BOM).
    static std::vector<std::uint8_t> TextFile(Language language);
    static std::vector<std::uint8_t> BaseProfile();

    // Writes every file into `folder` (with its trailing separator), creating the folder. Returns 0 or the
    // first error.
    static int Write(IFileSystem& files, const std::string& folder, Language language);

    // Lays the defaults down into a data folder that may already be in use: a missing file is written
    // whole; an existing text file gains only what it lacks (the language code where it has none that the
    // program can use, a default caption where its language section has none); profiles and captions
    // already there are never replaced, and a file that lacks nothing is not rewritten. Returns 0 or the
    // first error.
    static int LayDown(IFileSystem& files, const std::string& folder, Language language);
};

} // namespace corvalith
