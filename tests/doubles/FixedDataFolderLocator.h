#pragma once

#include "platform/IDataFolderLocator.h"

#include <string>
#include <utility>

namespace corvalith::test {

class FixedDataFolderLocator : public IDataFolderLocator {
public:
    explicit FixedDataFolderLocator(std::string folder) : folder_(std::move(folder)) {}
    std::string DataFolder() override { return folder_; }

private:
    std::string folder_;
};

} // namespace corvalith::test
