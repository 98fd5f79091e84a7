#pragma once

#include "platform/IDirectoryListing.h"

namespace corvalith {

// Folder contents through opendir and readdir.
class PosixDirectoryListing : public IDirectoryListing {
public:
    std::optional<std::vector<std::string>> ListNames(const std::string& folder) const override;
};

} // namespace corvalith
