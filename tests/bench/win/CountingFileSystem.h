#pragma once

#include "platform/IFileSystem.h"

#include <string>
#include <vector>

namespace corvalith {

// Passes every call on to another file system and notes each file replacement it asks for, successful
// or not: each one is a flushed write and a rename.
class CountingFileSystem : public IFileSystem {
public:
    explicit CountingFileSystem(IFileSystem& files);

    bool FileExists(const std::string& path) const override;
    std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path,
                                                      std::size_t maxBytes) const override;
    int WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) override;
    int CreateDirectories(const std::string& path) override;
    int RemoveFile(const std::string& path) override;

    // The path of every replacement so far, in order.
    const std::vector<std::string>& Replaced() const { return replaced_; }

private:
    IFileSystem& files_;
    std::vector<std::string> replaced_;
};

} // namespace corvalith
