#pragma once

#include "platform/IFileSystem.h"

namespace corvalith {

// Files through POSIX calls. Replacing a file writes "<name>.tmp" beside it, flushes it to the disk,
// renames it over the old file and flushes the folder.
class PosixFileSystem : public IFileSystem {
public:
    bool FileExists(const std::string& path) const override;
    std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path,
                                                      std::size_t maxBytes) const override;
    int WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) override;
    int CreateDirectories(const std::string& path) override;
    int RemoveFile(const std::string& path) override;

protected:
    // The step that puts the new content in place; returns 0 or errno.
    virtual int MoveIntoPlace(const std::string& temporaryPath, const std::string& path);
};

} // namespace corvalith
