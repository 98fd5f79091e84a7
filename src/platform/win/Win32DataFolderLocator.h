#pragma once

#include "platform/IDataFolderLocator.h"

namespace corvalith {

// The user's application-data folder (created by the system when missing) followed by "\Corvalith\".
class Win32DataFolderLocator : public IDataFolderLocator {
public:
    std::string DataFolder() override;
};

} // namespace corvalith
