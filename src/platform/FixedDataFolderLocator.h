#pragma once

#include "platform/IDataFolderLocator.h"

#include <string>
#include <utility>

namespace corvalith {

// A data folder named by whoever runs the program (a test, or a folder given on start) instead of the
// system.
class FixedDataFolderLocator : public IDataFolderLocator {
public:
    explicit FixedDataFolderLocator(std::string folder) : folder_(std::move(folder)) {}
    std::string DataFolder() override { return folder_; }

private:
    std::string folder_;
};

} // namespace corvalith
