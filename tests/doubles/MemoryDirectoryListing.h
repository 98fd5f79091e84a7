#pragma once

#include "platform/IDirectoryListing.h"

#include <map>
#include <string>
#include <vector>

namespace corvalith::test {

// Folder contents kept in memory: each folder path (as the caller will ask for it) maps to the names in
// it. Any other folder cannot be read.
class MemoryDirectoryListing : public IDirectoryListing {
public:
    std::optional<std::vector<std::string>> ListNames(const std::string& folder) const override {
        ++calls;
        const auto found = folders.find(folder);
        if (found == folders.end()) {
            return std::nullopt;
        }
        return found->second;
    }

    std::map<std::string, std::vector<std::string>> folders;
    mutable int calls = 0;
};

} // namespace corvalith::test
