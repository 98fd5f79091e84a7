#pragma once

#include "platform/IDataFolderLocator.h"

namespace corvalith {

// "$XDG_CONFIG_HOME/Corvalith/", or "~/.config/Corvalith/" when that variable is unset or relative.
class XdgDataFolderLocator : public IDataFolderLocator {
public:
    std::string DataFolder() override;
};

} // namespace corvalith
