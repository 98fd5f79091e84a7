#include "CountingFileSystem.h"

namespace corvalith {

CountingFileSystem::CountingFileSystem(IFileSystem& files) : files_(files) {}

bool CountingFileSystem::FileExists(const std::string& path) const {
    return files_.FileExists(path);
}

std::optional<std::vector<std::uint8_t>> CountingFileSystem::ReadFile(const std::string& path,
                                                                      std::size_t maxBytes) const {
    return files_.ReadFile(path, maxBytes);
}

int CountingFileSystem::WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    replaced_.push_back(path);
    return files_.WriteFileAtomically(path, bytes);
}

int CountingFileSystem::CreateDirectories(const std::string& path) {
    return files_.CreateDirectories(path);
}

int CountingFileSystem::RemoveFile(const std::string& path) {
    return files_.RemoveFile(path);
}

} // namespace corvalith
