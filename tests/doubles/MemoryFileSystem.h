#pragma once

#include "platform/IFileSystem.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace corvalith::test {

// Files kept in memory. A write goes to the map in one step, like the real crash-safe replace; a
// write or a folder creation can be told to fail with a given error code.
class MemoryFileSystem : public IFileSystem {
public:
    bool FileExists(const std::string& path) const override;
    std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path,
                                                      std::size_t maxBytes) const override;
    int WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) override;
    int CreateDirectories(const std::string& path) override;
    int RemoveFile(const std::string& path) override;

    void Put(const std::string& path, std::vector<std::uint8_t> bytes) { files[path] = std::move(bytes); }
    void PutText(const std::string& path, std::string_view text);
    // The file's bytes; empty when it does not exist.
    std::vector<std::uint8_t> Get(const std::string& path) const;

    std::map<std::string, std::vector<std::uint8_t>> files;
    std::set<std::string> folders;
    std::vector<std::string> written; // the path of every write that succeeded, in order
    std::vector<std::string> removed; // the path of every removal that succeeded, in order
    int writeError = 0;               // returned by every write while non-zero
    bool requireFolder = false;       // writes fail with error 3 (path not found) outside a created folder
};

} // namespace corvalith::test
