#pragma once

#include "skin/SkinPathResolver.h"
#include "skin/win/SkinImage.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace corvalith {

// The program's skin images: it resolves skin paths under the program folder, decodes PNG and JPEG
// files with GDI+ (started once, for the life of this object) and draws them with their alpha channel.
//
// Every file is decoded once, at the first call that needs its pixels, and kept by its resolved path for
// the life of this object (so a skin changed on disk shows at the next start of the program); a file
// that cannot be decoded is not tried again. Paint handlers draw the kept image, premultiplied once;
// the straight pixels are kept as well only for files that controls copy without blending (image
// buttons, marker sliders) or that LoadImage hands out. Sizes are read from the files' headers while the
// image is not decoded yet. Everything runs on the calling thread, which must be the user-interface
// thread; the methods are const because the cache does not change what an image is.
class SkinImages {
public:
    // programFolder: the executable's folder ending with a separator. listing: needed only where the
    // file system tells letter cases apart.
    explicit SkinImages(std::string programFolder, const IDirectoryListing* listing = nullptr);
    SkinImages(const SkinImages&) = delete;
    SkinImages& operator=(const SkinImages&) = delete;
    ~SkinImages();

    // The full path of a skin path written relative to the program folder ("Skins/main.png").
    std::string Resolve(std::string_view skinPath) const { return resolver_.Resolve(skinPath); }
    const std::string& ProgramFolder() const { return resolver_.ProgramFolder(); }

    // The art set the windows draw their images from (100, 150 or 200: the percent its art was drawn
    // for); 100 until set. The set's file is used where it can be decoded, the 1x file elsewhere.
    void SetArtSet(int set);
    int ArtSet() const { return artSet_; }

    // The file's image ready to draw (premultiplied where the file has alpha), from the art set, kept for
    // the life of this object; null when the file is missing or cannot be decoded. Its logical size is
    // that of the 1x file.
    const SkinImage* Image(std::string_view skinPath) const;

    // The 1x file's image with its pixels as decoded (straight alpha), for copying without blending; kept
    // for the life of this object, null when the file is missing or cannot be decoded. For a file
    // without alpha it is the same image as Image's.
    const SkinImage* StraightImage(std::string_view skinPath) const;

    // The art set's file's image with its pixels as decoded, its logical size that of the 1x file; null
    // at 100 % or when the set has no such file. Kept like StraightImage's.
    const SkinImage* StraightSetImage(std::string_view skinPath) const;

    // Says, without reading anything, that StraightImage (and StraightSetImage) will be asked for this
    // file, so that a paint that decodes it first keeps its straight pixels too and the file is still
    // decoded only once.
    void KeepStraight(std::string_view skinPath) const;

    // The image's width and height: from the file's first bytes while the image is not decoded (PNG and
    // JPEG), otherwise from the decoded image; 0 x 0 when the file is missing or cannot be read.
    SIZE SizeOf(std::string_view skinPath) const;

    // A copy of the decoded image, straight alpha, that the caller owns; nullopt when the file is
    // missing or cannot be decoded.
    std::optional<SkinImage> LoadImage(std::string_view skinPath) const;

    // Draws the file's kept image at its logical size with its top-left corner at x, y: an image with
    // alpha blended by it, others copied. False (nothing drawn) without a surface or image.
    bool DrawImageFile(HDC dc, std::string_view skinPath, int x, int y) const;

    // Sizes the window to the file's image (its logical size at the window's scale) without moving it and
    // returns the kept image ready to draw (the window draws it with DrawImage); null, with the window
    // untouched, when it cannot be loaded.
    const SkinImage* LoadBackground(HWND window, std::string_view skinPath) const;
    // The same, with a copy of the image for the caller to keep in background; false,
    // with background and window untouched, when the image cannot be loaded.
    bool LoadBackground(HWND window, std::string_view skinPath, SkinImage& background) const;

    // Draws an image as DrawImageFile does: art of a larger set is drawn onto its logical size, which on a
    // surface drawn at that scale is pixel for pixel. The image is never changed: an image with alpha that is
    // not premultiplied yet is premultiplied in a copy for this draw. Nothing is drawn when the surface's
    // clipping hides the whole image.
    static bool DrawImage(HDC dc, const SkinImage& image, int x, int y);

    // Decodes any image file (a full path): 32 bits per pixel, straight alpha.
    static std::optional<SkinImage> DecodeFile(const std::wstring& path);

    // How many times this object opened a file to decode it.
    int DecodeCount() const { return decodes_; }

private:
    struct Entry {
        bool failed = false;       // the file could not be decoded; it is not tried again
        bool keepStraight = false; // the straight pixels are wanted
        // As decoded; for an image without alpha also the drawing form. An image with alpha gives it up to
        // the drawing form unless its straight pixels are wanted.
        std::optional<SkinImage> straight;
        // The premultiplied drawing form of an image with alpha.
        std::optional<SkinImage> drawing;
        std::optional<SIZE> size;
    };

    // The entry of a resolved path. Without a directory listing the file system ignores letter case, so
    // "Skins\\Logo.png" and "/skins/LOGO.PNG" share one entry.
    Entry& EntryFor(const std::string& path) const;
    bool Decode(const std::string& path, Entry& entry) const;
    const SkinImage* Drawable(const std::string& path, Entry& entry) const;
    const SkinImage* Straight(const std::string& path, Entry& entry) const;

    // The path of the art set's file for a skin path; nullopt at 100 %.
    std::optional<std::string> SetPath(std::string_view skinPath) const;
    // The image of the art set's file for a skin path, ready to draw or straight, or null at 100 % or when
    // the set has none.
    const SkinImage* SetImage(std::string_view skinPath, bool straight) const;

    SkinPathResolver resolver_;
    int artSet_ = 100;
    ULONG_PTR gdiplusToken_ = 0;
    bool foldCase_;
    mutable std::unordered_map<std::string, Entry> entries_;
    mutable int decodes_ = 0;
};

} // namespace corvalith
