#include "ImageSheet.h"

#include "GalleryPaint.h"
#include "framework/CMemoryDC.h"
#include "platform/win/WideString.h"
#include "skin/SkinFileNames.h"

#include <algorithm>
#include <functional>

namespace corvalith::gallery {

namespace {

constexpr int kColumns = 8;
constexpr int kCellWidth = 156;
constexpr int kCellHeight = 118;
constexpr int kImageHeight = 88;

void Checker(HDC dc, const RECT& box) {
    for (int y = box.top; y < box.bottom; y += 8) {
        for (int x = box.left; x < box.right; x += 8) {
            const bool dark = ((x - box.left) / 8 + (y - box.top) / 8) % 2 == 0;
            GalleryPaint::Fill(
                dc, RECT{x, y, std::min<LONG>(x + 8, box.right), std::min<LONG>(y + 8, box.bottom)},
                dark ? RGB(74, 76, 80) : RGB(96, 98, 102));
        }
    }
}

} // namespace

ImageSheet::ImageSheet(const SkinImages& images, std::size_t first, std::size_t count) : images_(images) {
    const std::vector<std::string> all = SkinFiles(images.ProgramFolder());
    for (std::size_t i = first; i < all.size() && i < first + count; ++i) {
        files_.push_back(all[i]);
    }
}

ImageSheet::~ImageSheet() {
    if (font_ != nullptr) {
        ::DeleteObject(font_);
    }
}

std::vector<std::string> ImageSheet::SkinFiles(const std::string& programFolder) {
    std::vector<std::string> files;
    const std::function<void(const std::wstring&, const std::string&)> walk = [&](const std::wstring& folder,
                                                                                  const std::string& prefix) {
        WIN32_FIND_DATAW found{};
        const HANDLE search = ::FindFirstFileW((folder + L"*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) {
            return;
        }
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::string utf8 = prefix + WideString::ToUtf8(name);
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                walk(folder + name + L"\\", utf8 + "/");
            } else {
                files.push_back(utf8);
            }
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    };
    walk(WideString::FromUtf8(programFolder) + L"Skins\\", "");
    std::sort(files.begin(), files.end());
    return files;
}

bool ImageSheet::Create(int x, int y) {
    font_ = GalleryPaint::Font(11);
    const int rows = static_cast<int>((files_.size() + kColumns - 1) / kColumns);
    const int width = kColumns * kCellWidth + 8;
    const int height = std::max(rows, 1) * kCellHeight + 8;
    return CreateEx(0, nullptr, L"Corvalith gallery: skin files", WS_POPUP | WS_VISIBLE,
                    RECT{x, y, x + width, y + height}, static_cast<HWND>(nullptr), 0);
}

BOOL ImageSheet::OnEraseBkgnd(HDC) {
    return TRUE;
}

void ImageSheet::OnPaint() {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(hwnd_, &paint);
    const RECT client = GetClientRect();
    CMemoryDC canvas(dc, client.right, client.bottom);
    GalleryPaint::Fill(canvas, client, RGB(44, 45, 48));
    for (std::size_t i = 0; i < files_.size(); ++i) {
        const int left = 8 + static_cast<int>(i % kColumns) * kCellWidth;
        const int top = 8 + static_cast<int>(i / kColumns) * kCellHeight;
        const RECT box{left, top, left + kCellWidth - 8, top + kImageHeight};
        Checker(canvas, box);
        GalleryPaint::DrawFitted(images_, canvas, SkinFileNames::InSkins(files_[i]), box);
        const SIZE size = images_.SizeOf(SkinFileNames::InSkins(files_[i]));
        const std::wstring label = WideString::FromUtf8(files_[i]);
        GalleryPaint::Text(canvas, label,
                           RECT{left, top + kImageHeight + 1, left + kCellWidth - 8, top + kImageHeight + 14},
                           DT_LEFT | DT_SINGLELINE | DT_PATH_ELLIPSIS, RGB(230, 230, 230), font_);
        GalleryPaint::Text(
            canvas, std::to_wstring(size.cx) + L" x " + std::to_wstring(size.cy),
            RECT{left, top + kImageHeight + 13, left + kCellWidth - 8, top + kImageHeight + 26},
            DT_LEFT | DT_SINGLELINE, RGB(160, 162, 168), font_);
    }
    canvas.CopyTo(dc);
    ::EndPaint(hwnd_, &paint);
}

} // namespace corvalith::gallery
