#pragma once

#include "skin/SkinPathResolver.h"
#include "skin/win/SkinImage.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace corvalith {

// The program's skin images: it resolves skin paths under the program folder, decodes PNG and JPEG
// files with GDI+ (started once, for the life of this object) and draws them with their alpha channel.
// Every call reads the file again; nothing is cached, so a paint handler always shows the file as it
// is on disk.
class SkinImages {
public:
    // programFolder: the executable's folder ending with a separator. listing: needed only where the
    // file system tells letter cases apart.
    explicit SkinImages(std::string programFolder, const IDirectoryListing* listing = nullptr);
    SkinImages(const SkinImages&) = delete;
    SkinImages& operator=(const SkinImages&) = delete;
    ~SkinImages();

    // The full path of a skin path written relative to the program folder ("Skins\\" "/main.png").
    std::string Resolve(std::string_view skinPath) const { return resolver_.Resolve(skinPath); }
    const std::string& ProgramFolder() const { return resolver_.ProgramFolder(); }

    // The decoded image, straight alpha; nullopt when the file is missing or cannot be decoded.
    std::optional<SkinImage> LoadImage(std::string_view skinPath) const;

    // Draws the file at its own size with its top-left corner at x, y: 32-bit images premultiplied
    // and blended by their alpha, others copied. False (nothing drawn) without a surface or image.
    bool DrawImageFile(HDC dc, std::string_view skinPath, int x, int y) const;

    // Loads a window's background into background and sizes the window to it without moving it;
    // false, with background and window untouched, when the image cannot be loaded.
    bool LoadBackground(HWND window, std::string_view skinPath, SkinImage& background) const;

    // Draws an already loaded image as DrawImageFile does (premultiplying a 32-bit image in place).
    static bool DrawImage(HDC dc, SkinImage& image, int x, int y);

    // The size of the image in a skin file, 0 x 0 when it cannot be loaded.
    SIZE ImageSize(std::string_view skinPath) const;

    // Decodes any image file (a full path).
    static std::optional<SkinImage> DecodeFile(const std::wstring& path);

private:
    SkinPathResolver resolver_;
    ULONG_PTR gdiplusToken_ = 0;
};

} // namespace corvalith
