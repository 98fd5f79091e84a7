#pragma once

#include "platform/IFileSystem.h"

namespace corvalith {

// A data folder that holds nothing and keeps nothing: the tool runs uploads without touching the user's
// profiles.
class DiscardingFileSystem : public IFileSystem {
public:
    bool FileExists(const std::string&) const override { return false; }
    std::optional<std::vector<std::uint8_t>> ReadFile(const std::string&, std::size_t) const override {
        return std::nullopt;
    }
    int WriteFileAtomically(const std::string&, std::span<const std::uint8_t>) override { return 0; }
    int CreateDirectories(const std::string&) override { return 0; }
    int RemoveFile(const std::string&) override { return 0; }
};

} // namespace corvalith
