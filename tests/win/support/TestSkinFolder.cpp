#include "win/support/TestSkinFolder.h"

#include "platform/win/WideString.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <string>

namespace corvalith::test {

namespace {

std::atomic<int> folderCount{0};

void PutLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

} // namespace

TestSkinFolder::TestSkinFolder() {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    wideFolder_ = std::wstring(temp) + L"corvalith-skins-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                  std::to_wstring(folderCount++);
    ::CreateDirectoryW(wideFolder_.c_str(), nullptr);
    folders_.push_back(wideFolder_);
    wideFolder_ += L"\\";
    folder_ = WideString::ToUtf8(wideFolder_);
}

TestSkinFolder::~TestSkinFolder() {
    for (auto it = files_.rbegin(); it != files_.rend(); ++it) {
        ::DeleteFileW(it->c_str());
    }
    for (auto it = folders_.rbegin(); it != folders_.rend(); ++it) {
        ::RemoveDirectoryW(it->c_str());
    }
}

bool TestSkinFolder::MakeFolders(const std::wstring& relativeFolder) {
    std::wstring path = wideFolder_;
    std::size_t start = 0;
    while (start < relativeFolder.size()) {
        std::size_t end = relativeFolder.find(L'\\', start);
        if (end == std::wstring::npos) {
            end = relativeFolder.size();
        }
        path += relativeFolder.substr(start, end - start);
        if (::CreateDirectoryW(path.c_str(), nullptr)) {
            folders_.push_back(path);
        } else if (::GetLastError() != ERROR_ALREADY_EXISTS) {
            return false;
        }
        path += L"\\";
        start = end + 1;
    }
    return true;
}

bool TestSkinFolder::WriteImage(const std::string& relative, int width, int height, COLORREF colour) {
    // "/" and "\\" both separate the names, as in the paths the windows pass to the skin images.
    std::wstring wideRelative = WideString::FromUtf8(relative);
    std::replace(wideRelative.begin(), wideRelative.end(), L'/', L'\\');
    const std::size_t slash = wideRelative.rfind(L'\\');
    if (slash != std::wstring::npos && !MakeFolders(wideRelative.substr(0, slash))) {
        return false;
    }
    // A bottom-up 24-bit bitmap: file header, information header, rows padded to four bytes.
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(height);
    std::vector<std::uint8_t> bytes;
    bytes.push_back('B');
    bytes.push_back('M');
    PutLittleEndian(bytes, 14 + 40 + pixelBytes, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, 14 + 40, 4);
    PutLittleEndian(bytes, 40, 4);
    PutLittleEndian(bytes, static_cast<std::uint32_t>(width), 4);
    PutLittleEndian(bytes, static_cast<std::uint32_t>(height), 4);
    PutLittleEndian(bytes, 1, 2);
    PutLittleEndian(bytes, 24, 2);
    PutLittleEndian(bytes, 0, 4); // no compression
    PutLittleEndian(bytes, pixelBytes, 4);
    PutLittleEndian(bytes, 2835, 4);
    PutLittleEndian(bytes, 2835, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, 0, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bytes.push_back(GetBValue(colour));
            bytes.push_back(GetGValue(colour));
            bytes.push_back(GetRValue(colour));
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < rowBytes; ++pad) {
            bytes.push_back(0);
        }
    }
    const std::wstring path = wideFolder_ + wideRelative;
    const HANDLE file =
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const bool ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    ::CloseHandle(file);
    files_.push_back(path);
    return ok;
}

} // namespace corvalith::test
