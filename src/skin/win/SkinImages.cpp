#include "skin/win/SkinImages.h"

#include "framework/CSourceDC.h"
#include "framework/CWnd.h"
#include "platform/win/WideString.h"
#include "skin/ImageFileHeader.h"
#include "skin/SkinArtSet.h"

#include <objidl.h>

#include <gdiplus.h>

#include <cstring>
#include <vector>

namespace corvalith {

namespace gp = Gdiplus::DllExports;

SkinImages::SkinImages(std::string programFolder, const IDirectoryListing* listing)
    : resolver_(std::move(programFolder), listing), foldCase_(listing == nullptr) {
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&gdiplusToken_, &input, nullptr) != Gdiplus::Ok) {
        gdiplusToken_ = 0;
    }
}

SkinImages::~SkinImages() {
    if (gdiplusToken_ != 0) {
        Gdiplus::GdiplusShutdown(gdiplusToken_);
    }
}

std::optional<SkinImage> SkinImages::DecodeFile(const std::wstring& path) {
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (gp::GdipCreateBitmapFromFile(path.c_str(), &bitmap) != Gdiplus::Ok || bitmap == nullptr) {
        return std::nullopt;
    }
    auto* image = reinterpret_cast<Gdiplus::GpImage*>(bitmap);
    UINT width = 0;
    UINT height = 0;
    Gdiplus::PixelFormat format = 0;
    gp::GdipGetImageWidth(image, &width);
    gp::GdipGetImageHeight(image, &height);
    gp::GdipGetImagePixelFormat(image, &format);

    // Every image is read as 32-bit ARGB, the layout of the drawing surfaces; GDI+ gives a file without
    // alpha alpha 255 everywhere, and the image remembers that it has none.
    const bool alpha = (format & (PixelFormatAlpha | PixelFormatPAlpha)) != 0;
    std::optional<SkinImage> decoded;
    constexpr UINT kLargest = ImageFileHeader::kLargestSide;
    if (width > 0 && height > 0 && width <= kLargest && height <= kLargest) {
        decoded = SkinImage::Create(static_cast<int>(width), static_cast<int>(height), 32, alpha);
    }
    if (decoded) {
        Gdiplus::GpRect area(0, 0, static_cast<INT>(width), static_cast<INT>(height));
        Gdiplus::BitmapData data{};
        if (gp::GdipBitmapLockBits(bitmap, &area, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) ==
            Gdiplus::Ok) {
            const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
            auto pixels = decoded->Pixels();
            for (UINT y = 0; y < height; ++y) {
                const auto* source =
                    static_cast<const std::uint8_t*>(data.Scan0) + static_cast<INT_PTR>(y) * data.Stride;
                std::memcpy(pixels.data() + static_cast<std::size_t>(y) * decoded->Pitch(), source, rowBytes);
            }
            gp::GdipBitmapUnlockBits(bitmap, &data);
        } else {
            decoded.reset();
        }
    }
    gp::GdipDisposeImage(image);
    return decoded;
}

namespace {

// The first bytes of a file, enough for its header to tell the image's size; nullopt when the file
// cannot be opened. A JPEG whose frame marker lies further in is read again, further.
std::optional<ImageFileHeader::Info> ReadHeader(const std::string& path) {
    const HANDLE file = ::CreateFileW(WideString::FromUtf8(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    ImageFileHeader::Info info;
    for (const std::size_t wanted : {ImageFileHeader::kFirstRead, ImageFileHeader::kLongestRead}) {
        const std::size_t had = bytes.size();
        bytes.resize(wanted);
        std::size_t filled = had;
        while (filled < bytes.size()) {
            DWORD read = 0;
            if (!::ReadFile(file, bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled), &read,
                            nullptr) ||
                read == 0) {
                break;
            }
            filled += read;
        }
        bytes.resize(filled);
        info = ImageFileHeader::Read(bytes);
        if (!info.truncated || filled < wanted) {
            break; // the answer, or the whole file
        }
    }
    ::CloseHandle(file);
    return info;
}

} // namespace

SkinImages::Entry& SkinImages::EntryFor(const std::string& path) const {
    if (!foldCase_) {
        return entries_[path];
    }
    std::string key = path;
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return entries_[key];
}

bool SkinImages::Decode(const std::string& path, Entry& entry) const {
    if (entry.failed) {
        return false;
    }
    if (gdiplusToken_ != 0) {
        ++decodes_;
        entry.straight = DecodeFile(WideString::FromUtf8(path));
    }
    if (!entry.straight) {
        entry.failed = true;
        return false;
    }
    entry.size = SIZE{entry.straight->Width(), entry.straight->Height()};
    return true;
}

const SkinImage* SkinImages::Drawable(const std::string& path, Entry& entry) const {
    if (entry.drawing) {
        return &*entry.drawing;
    }
    if (!entry.straight && !Decode(path, entry)) {
        return nullptr;
    }
    if (!entry.straight->HasAlpha()) {
        return &*entry.straight; // copied as it is: one image serves both uses
    }
    if (entry.keepStraight) {
        entry.drawing = entry.straight->Copy();
        if (!entry.drawing) {
            return nullptr;
        }
    } else {
        entry.drawing = std::move(entry.straight);
        entry.straight.reset();
    }
    entry.drawing->Premultiply();
    return &*entry.drawing;
}

const SkinImage* SkinImages::Straight(const std::string& path, Entry& entry) const {
    entry.keepStraight = true;
    if (entry.straight) {
        return &*entry.straight;
    }
    // Only an image with alpha drawn before anyone said its straight pixels were wanted lacks them now:
    // the file is decoded again for them.
    return Decode(path, entry) ? &*entry.straight : nullptr;
}

void SkinImages::SetArtSet(int set) {
    artSet_ = SkinArtSet::Folder(set).empty() ? 100 : set;
}

std::optional<std::string> SkinImages::SetPath(std::string_view skinPath) const {
    return artSet_ != 100 ? SkinArtSet::PathIn(skinPath, artSet_) : std::nullopt;
}

const SkinImage* SkinImages::SetImage(std::string_view skinPath, bool straight) const {
    const std::optional<std::string> setPath = SetPath(skinPath);
    if (!setPath) {
        return nullptr;
    }
    const std::string path = Resolve(*setPath);
    Entry& entry = EntryFor(path);
    SkinImage* image = const_cast<SkinImage*>(straight ? Straight(path, entry) : Drawable(path, entry));
    // A set's image is larger than the 1x file: one of the 1x file's size has no logical size yet.
    if (image != nullptr && image->LogicalWidth() == image->Width() &&
        image->LogicalHeight() == image->Height()) {
        const SIZE logical = SizeOf(skinPath);
        if (logical.cx <= 0 || logical.cy <= 0) {
            return nullptr; // no 1x file to say where it goes
        }
        image->SetLogicalSize(logical.cx, logical.cy);
    }
    return image;
}

const SkinImage* SkinImages::Image(std::string_view skinPath) const {
    if (const SkinImage* image = SetImage(skinPath, false); image != nullptr) {
        return image;
    }
    const std::string path = Resolve(skinPath);
    return Drawable(path, EntryFor(path));
}

const SkinImage* SkinImages::StraightImage(std::string_view skinPath) const {
    const std::string path = Resolve(skinPath);
    return Straight(path, EntryFor(path));
}

const SkinImage* SkinImages::StraightSetImage(std::string_view skinPath) const {
    return SetImage(skinPath, true);
}

void SkinImages::KeepStraight(std::string_view skinPath) const {
    EntryFor(Resolve(skinPath)).keepStraight = true;
    if (const std::optional<std::string> setPath = SetPath(skinPath)) {
        EntryFor(Resolve(*setPath)).keepStraight = true;
    }
}

SIZE SkinImages::SizeOf(std::string_view skinPath) const {
    const std::string path = Resolve(skinPath);
    Entry& entry = EntryFor(path);
    if (!entry.size && !entry.failed) {
        if (const auto header = ReadHeader(path); header && header->HasSize()) {
            entry.size = SIZE{header->width, header->height};
        } else if (header) {
            Decode(path, entry); // another format, or a header that does not say: the decoder will know
        } else {
            entry.failed = true; // no such file
        }
    }
    return entry.size ? *entry.size : SIZE{0, 0};
}

std::optional<SkinImage> SkinImages::LoadImage(std::string_view skinPath) const {
    const SkinImage* image = StraightImage(skinPath);
    return image != nullptr ? image->Copy() : std::nullopt;
}

bool SkinImages::DrawImage(HDC dc, const SkinImage& image, int x, int y) {
    if (dc == nullptr || image.Bitmap() == nullptr) {
        return false;
    }
    const int width = image.LogicalWidth();
    const int height = image.LogicalHeight();
    const RECT area{x, y, x + width, y + height};
    if (!::RectVisible(dc, &area)) {
        return true; // clipped away: nothing to blend
    }
    std::optional<SkinImage> premultiplied;
    const SkinImage* drawn = &image;
    if (image.HasAlpha() && !image.IsPremultiplied()) {
        premultiplied = image.Copy();
        if (!premultiplied) {
            return false;
        }
        premultiplied->Premultiply();
        drawn = &*premultiplied;
    }
    const CSourceDC source(drawn->Bitmap());
    if (!source.Valid()) {
        return false;
    }
    bool ok;
    if (drawn->HasAlpha()) {
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        ok = ::GdiAlphaBlend(dc, x, y, width, height, source, 0, 0, drawn->Width(), drawn->Height(), blend) !=
             FALSE;
    } else if (width == drawn->Width() && height == drawn->Height()) {
        ok = ::BitBlt(dc, x, y, width, height, source, 0, 0, SRCCOPY) != FALSE;
    } else {
        ok = ::StretchBlt(dc, x, y, width, height, source, 0, 0, drawn->Width(), drawn->Height(), SRCCOPY) !=
             FALSE;
    }
    return ok;
}

bool SkinImages::DrawImageFile(HDC dc, std::string_view skinPath, int x, int y) const {
    if (dc == nullptr) {
        return false;
    }
    const SkinImage* image = Image(skinPath);
    if (image == nullptr) {
        return false;
    }
    DrawImage(dc, *image, x, y);
    return true;
}

namespace {

// Sizes a window to an image's logical size at the window's scale, without moving it.
void SizeWindowTo(HWND window, const SkinImage& image) {
    const CWnd* framework = CWnd::FromHandle(window);
    const DisplayScale scale = framework != nullptr ? framework->Scale() : DisplayScale();
    ::SetWindowPos(window, nullptr, 0, 0, scale.ToDevice(image.LogicalWidth()),
                   scale.ToDevice(image.LogicalHeight()), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

const SkinImage* SkinImages::LoadBackground(HWND window, std::string_view skinPath) const {
    const SkinImage* image = Image(skinPath);
    if (image != nullptr && window != nullptr) {
        SizeWindowTo(window, *image);
    }
    return image;
}

bool SkinImages::LoadBackground(HWND window, std::string_view skinPath, SkinImage& background) const {
    std::optional<SkinImage> image;
    if (const SkinImage* set = SetImage(skinPath, false); set != nullptr) {
        image = set->Copy();
    }
    if (!image) {
        image = LoadImage(skinPath);
    }
    if (!image) {
        return false;
    }
    background = std::move(*image);
    if (window != nullptr) {
        SizeWindowTo(window, background);
    }
    return true;
}

} // namespace corvalith
