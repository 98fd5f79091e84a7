#include "doubles/MemoryFileSystem.h"

#include <algorithm>

namespace corvalith::test {

bool MemoryFileSystem::FileExists(const std::string& path) const {
    return files.contains(path);
}

std::optional<std::vector<std::uint8_t>> MemoryFileSystem::ReadFile(const std::string& path,
                                                                    std::size_t maxBytes) const {
    const auto found = files.find(path);
    if (found == files.end()) {
        return std::nullopt;
    }
    const std::size_t count = std::min(maxBytes, found->second.size());
    return std::vector<std::uint8_t>(found->second.begin(), found->second.begin() + static_cast<long>(count));
}

int MemoryFileSystem::WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (writeError != 0) {
        return writeError;
    }
    if (requireFolder) {
        const auto separator = path.find_last_of("/\\");
        const std::string folder = separator == std::string::npos ? "" : path.substr(0, separator + 1);
        if (!folder.empty() && !folders.contains(folder)) {
            return 3;
        }
    }
    files[path].assign(bytes.begin(), bytes.end());
    written.push_back(path);
    return 0;
}

int MemoryFileSystem::CreateDirectories(const std::string& path) {
    folders.insert(path);
    return 0;
}

int MemoryFileSystem::RemoveFile(const std::string& path) {
    if (writeError != 0) {
        return writeError;
    }
    files.erase(path);
    removed.push_back(path);
    return 0;
}

void MemoryFileSystem::PutText(const std::string& path, std::string_view text) {
    files[path].assign(text.begin(), text.end());
}

std::vector<std::uint8_t> MemoryFileSystem::Get(const std::string& path) const {
    const auto found = files.find(path);
    return found == files.end() ? std::vector<std::uint8_t>{} : found->second;
}

} // namespace corvalith::test
