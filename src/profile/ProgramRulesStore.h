#pragma once

#include "platform/IFileSystem.h"
#include "profile/ProgramRules.h"

#include <string>

namespace corvalith {

// The rules of which profile follows which program, in "programs.ini" beside the profile list: section
// "Switching" holds "Automatic" (1 on, 0 off) and "Fallback" (the profile to return to, absent for none);
// section "Programs" holds "Count" and, for each rule n from 0, "Program<n>" and "Profile<n>". Written
// whole, crash-safe and as UTF-16 like the program's other text files.
class ProgramRulesStore {
public:
    static constexpr const char* kFileName = "programs.ini";
    // More rules than a user gives; a larger count in the file is read as this many.
    static constexpr std::size_t kMaxRules = 256;

    ProgramRulesStore(IFileSystem& files, std::string dataFolder);

    // The stored rules; none (automatic switching on) when the file is missing. A rule without a program
    // or a profile is skipped.
    ProgramRules Read() const;
    // Returns 0 or the system error.
    int Write(const ProgramRules& rules);

private:
    IFileSystem& files_;
    std::string path_;
};

} // namespace corvalith
