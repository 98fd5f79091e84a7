#include "platform/posix/PosixFileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvalith {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int Get() const { return fd_; }
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

std::string ParentFolder(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

bool PosixFileSystem::FileExists(const std::string& path) const {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::vector<std::uint8_t>> PosixFileSystem::ReadFile(const std::string& path,
                                                                   std::size_t maxBytes) const {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[16384];
    while (bytes.size() < maxBytes) {
        const std::size_t want = std::min(sizeof chunk, maxBytes - bytes.size());
        const ssize_t got = ::read(file.Get(), chunk, want);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    return bytes;
}

int PosixFileSystem::WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::string temporary = path + ".tmp";
    int error = 0;
    {
        FileDescriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
        if (file.Get() < 0) {
            return errno;
        }
        std::size_t done = 0;
        while (error == 0 && done < bytes.size()) {
            const ssize_t wrote = ::write(file.Get(), bytes.data() + done, bytes.size() - done);
            if (wrote < 0 && errno != EINTR) {
                error = errno;
            } else if (wrote > 0) {
                done += static_cast<std::size_t>(wrote);
            }
        }
        if (error == 0 && ::fsync(file.Get()) != 0) {
            error = errno;
        }
        if (file.Close() != 0 && error == 0) {
            error = errno;
        }
    }
    if (error == 0) {
        error = MoveIntoPlace(temporary, path);
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    // Make the rename itself durable.
    FileDescriptor folder(::open(ParentFolder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0) {
        ::fsync(folder.Get());
    }
    return 0;
}

int PosixFileSystem::MoveIntoPlace(const std::string& temporaryPath, const std::string& path) {
    return ::rename(temporaryPath.c_str(), path.c_str()) == 0 ? 0 : errno;
}

int PosixFileSystem::CreateDirectories(const std::string& path) {
    std::string partial;
    partial.reserve(path.size());
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '/') {
            if (!partial.empty() && ::mkdir(partial.c_str(), 0755) != 0 && errno != EEXIST) {
                return errno;
            }
        }
        if (i < path.size()) {
            partial.push_back(path[i]);
        }
    }
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}

int PosixFileSystem::RemoveFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0 || errno == ENOENT ? 0 : errno;
}

} // namespace corvalith
