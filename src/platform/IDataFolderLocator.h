#pragma once

#include <string>

namespace corvalith {

// Names the folder that holds the profiles and the macros file, with a trailing separator, or "" when
// the system cannot name the user's application-data folder (file names then become relative).
class IDataFolderLocator {
public:
    virtual ~IDataFolderLocator() = default;
    virtual std::string DataFolder() = 0;
};

} // namespace corvalith
