// A data folder held in memory for the fuzz targets: files in a map, every write and removal counted,
// so that a target can check that bad input wrote nothing. Header-only, so that each target stays one
// source file under both libFuzzer and the corpus replay.
#pragma once

#include "platform/IFileSystem.h"

#include <algorithm>
#include <map>

namespace corvalith::fuzz {

class FuzzFolder : public IFileSystem {
public:
    bool FileExists(const std::string& path) const override { return files.contains(path); }
    std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path,
                                                      std::size_t maxBytes) const override {
        const auto found = files.find(path);
        if (found == files.end()) {
            return std::nullopt;
        }
        const std::size_t count = std::min(maxBytes, found->second.size());
        return std::vector<std::uint8_t>(found->second.begin(),
                                         found->second.begin() + static_cast<long>(count));
    }
    int WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) override {
        files[path].assign(bytes.begin(), bytes.end());
        ++writes;
        return 0;
    }
    int CreateDirectories(const std::string&) override { return 0; }
    int RemoveFile(const std::string& path) override {
        files.erase(path);
        ++writes;
        return 0;
    }

    std::map<std::string, std::vector<std::uint8_t>> files;
    int writes = 0; // writes and removals, successful or not
};

} // namespace corvalith::fuzz
