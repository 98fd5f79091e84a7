#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace corvalith {

// The files of the data folder. Paths are UTF-8; the Windows backend converts them at its boundary.
class IFileSystem {
public:
    virtual ~IFileSystem() = default;

    virtual bool FileExists(const std::string& path) const = 0;

    // Reads at most maxBytes from the start of the file; nullopt when it cannot be opened.
    virtual std::optional<std::vector<std::uint8_t>>
    ReadFile(const std::string& path,
             std::size_t maxBytes = std::numeric_limits<std::size_t>::max()) const = 0;

    // Replaces the whole file so that a crash or power loss leaves either the old content or the new
    // one, never a truncated mix: the bytes go to a temporary file in the same folder, which is flushed
    // and renamed over the old file. Returns 0, or the system's error code.
    virtual int WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) = 0;

    // Creates the folder and any missing parents. Returns 0 (also when it already exists) or the
    // system's error code.
    virtual int CreateDirectories(const std::string& path) = 0;

    // Deletes the file. Returns 0 (also when it does not exist) or the system's error code.
    virtual int RemoveFile(const std::string& path) = 0;
};

} // namespace corvalith
