#include "platform/posix/XdgDataFolderLocator.h"

#include <cstdlib>

namespace corvalith {

std::string XdgDataFolderLocator::DataFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (config != nullptr && config[0] == '/') {
        base = config;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
        base = std::string(home) + "/.config";
    } else {
        return {};
    }
    while (base.size() > 1 && base.back() == '/') {
        base.pop_back();
    }
    return base + "/Corvalith/";
}

} // namespace corvalith
