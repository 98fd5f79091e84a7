#pragma once

#include <optional>
#include <string>
#include <vector>

namespace corvalith {

// The names inside a folder, for looking up files whose letter case is not known (skin images are named
// in code with any case, and a case-sensitive file system must still find them).
class IDirectoryListing {
public:
    virtual ~IDirectoryListing() = default;

    // The entries' names (files and folders, without "." and ".."); nullopt when the folder cannot be
    // read.
    virtual std::optional<std::vector<std::string>> ListNames(const std::string& folder) const = 0;
};

} // namespace corvalith
