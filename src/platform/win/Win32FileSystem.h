#pragma once

#include "platform/IFileSystem.h"

namespace corvalith {

// Files through the Windows calls. Replacing a file writes "<name>.tmp" beside it, flushes it and moves
// it over the old file with MoveFileExW (replace existing, write through).
class Win32FileSystem : public IFileSystem {
public:
    bool FileExists(const std::string& path) const override;
    std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path,
                                                      std::size_t maxBytes) const override;
    int WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) override;
    int CreateDirectories(const std::string& path) override;
    int RemoveFile(const std::string& path) override;

protected:
    // The step that puts the new content in place; returns 0 or the system error code.
    virtual int MoveIntoPlace(const std::string& temporaryPath, const std::string& path);
};

} // namespace corvalith
