#include "platform/win/Win32FileSystem.h"

#include "platform/win/WideString.h"

#include <algorithm>
#include <windows.h>

namespace corvalith {

namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { Close(); }
    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Close() {
        if (!Valid()) {
            return true;
        }
        const BOOL closed = CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed != FALSE;
    }

private:
    HANDLE handle_;
};

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

} // namespace

bool Win32FileSystem::FileExists(const std::string& path) const {
    const DWORD attributes = GetFileAttributesW(WideString::FromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::vector<std::uint8_t>> Win32FileSystem::ReadFile(const std::string& path,
                                                                   std::size_t maxBytes) const {
    FileHandle file(CreateFileW(WideString::FromUtf8(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[16384];
    while (bytes.size() < maxBytes) {
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(sizeof chunk, maxBytes - bytes.size()));
        DWORD got = 0;
        if (!::ReadFile(file.Get(), chunk, want, &got, nullptr)) {
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    return bytes;
}

int Win32FileSystem::WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::string temporary = path + ".tmp";
    const std::wstring wideTemporary = WideString::FromUtf8(temporary);
    DWORD error = 0;
    {
        FileHandle file(CreateFileW(wideTemporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid()) {
            return static_cast<int>(GetLastError());
        }
        std::size_t done = 0;
        while (error == 0 && done < bytes.size()) {
            const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
            DWORD wrote = 0;
            if (!WriteFile(file.Get(), bytes.data() + done, want, &wrote, nullptr)) {
                error = GetLastError();
            }
            done += wrote;
        }
        if (error == 0 && !FlushFileBuffers(file.Get())) {
            error = GetLastError();
        }
        if (!file.Close() && error == 0) {
            error = GetLastError();
        }
    }
    int result = static_cast<int>(error);
    if (result == 0) {
        result = MoveIntoPlace(temporary, path);
    }
    if (result != 0) {
        DeleteFileW(wideTemporary.c_str());
    }
    return result;
}

int Win32FileSystem::MoveIntoPlace(const std::string& temporaryPath, const std::string& path) {
    if (!MoveFileExW(WideString::FromUtf8(temporaryPath).c_str(), WideString::FromUtf8(path).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return static_cast<int>(GetLastError());
    }
    return 0;
}

int Win32FileSystem::CreateDirectories(const std::string& path) {
    const std::wstring wide = WideString::FromUtf8(path);
    std::wstring partial;
    for (std::size_t i = 0; i <= wide.size(); ++i) {
        const bool boundary = i == wide.size() || IsSeparator(wide[i]);
        // Skip the drive ("C:") and the empty parts of "\\server" or repeated separators.
        if (boundary && !partial.empty() && !IsSeparator(partial.back()) && partial.back() != L':') {
            if (!CreateDirectoryW(partial.c_str(), nullptr)) {
                const DWORD error = GetLastError();
                if (error != ERROR_ALREADY_EXISTS && error != ERROR_ACCESS_DENIED) {
                    return static_cast<int>(error);
                }
            }
        }
        if (i < wide.size()) {
            partial.push_back(wide[i]);
        }
    }
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return ERROR_PATH_NOT_FOUND;
    }
    return 0;
}

int Win32FileSystem::RemoveFile(const std::string& path) {
    if (DeleteFileW(WideString::FromUtf8(path).c_str())) {
        return 0;
    }
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? 0 : static_cast<int>(error);
}

} // namespace corvalith
