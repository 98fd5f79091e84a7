#pragma once

#include "platform/IDirectoryListing.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvalith {

// Turns a skin path ("Skins/MacroManagement/Pane.png", however its separators and letter cases are
// written: "\\skins/MacroManagement/Record-normal.png", "SKINS\\main.png") into the one file it means: "/"
// and "\\" count alike, repeated separators collapse, "." steps vanish, and names match whatever their letter
// case. The program folder is used as given.
class SkinPathResolver {
public:
    // programFolder ends with a separator; the resolved path uses that same separator. Without a
    // listing (a file system that ignores letter case) each name is used as written.
    explicit SkinPathResolver(std::string programFolder, const IDirectoryListing* listing = nullptr);

    // The full path of the skin file named by relative (everything after the program folder). A name
    // that no entry of its folder matches is kept as written, so loading it fails as a missing file.
    std::string Resolve(std::string_view relative) const;

    const std::string& ProgramFolder() const { return programFolder_; }

    // The non-empty names of a relative path, "." steps left out.
    static std::vector<std::string> SplitNames(std::string_view relative);

    // Whether two names are equal when ASCII letters are compared without regard to case.
    static bool SameNameIgnoringCase(std::string_view a, std::string_view b);

private:
    std::string MatchInFolder(const std::string& folder, const std::string& name) const;

    std::string programFolder_;
    char separator_;
    const IDirectoryListing* listing_;
};

} // namespace corvalith
