#include "platform/posix/PosixDirectoryListing.h"

#include <dirent.h>

namespace corvalith {

std::optional<std::vector<std::string>> PosixDirectoryListing::ListNames(const std::string& folder) const {
    DIR* directory = opendir(folder.empty() ? "." : folder.c_str());
    if (directory == nullptr) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    while (const dirent* entry = readdir(directory)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    closedir(directory);
    return names;
}

} // namespace corvalith
