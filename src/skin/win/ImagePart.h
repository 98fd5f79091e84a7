#pragma once

#include <windows.h>

#include <string>

namespace corvalith {

class SkinImage;
class SkinImages;

// A rectangle of a source image that a control copies to the screen without blending (an image
// button's state image, a marker slider's track). It is either the part's own screen-compatible bitmap,
// cut from a bitmap the owner gives (Cut), or the rectangle of a skin file's kept image, taken from the
// skin images at the control's first draw (Defer, then Resolve), so that nothing is decoded before the
// window is shown and a file used by many parts is decoded once.
class ImagePart {
public:
    ImagePart() = default;
    ImagePart(const ImagePart&) = delete;
    ImagePart& operator=(const ImagePart&) = delete;
    ~ImagePart();

    // Replaces the part with its own bitmap of the rectangle's size holding a 1:1 copy of that part of
    // source; false, with the part as it was, for a null source or an empty rectangle. A deferred skin
    // file is dropped.
    bool Cut(HBITMAP source, const RECT& rect);

    // The part will be the rectangle of the skin file's image (its pixels as decoded); until Resolve the
    // part stays as it is. skins must outlive the part.
    void Defer(const SkinImages& skins, std::string skinPath, const RECT& rect);
    bool Deferred() const { return skins_ != nullptr; }
    // Takes the deferred skin file now; a file that cannot be loaded, or an empty rectangle, leaves the
    // part as it was.
    void Resolve();

    bool Empty() const { return bitmap_ == nullptr; }
    // The bitmap the part is copied from (its own, or the skin image's, from the windows' art set where
    // it has one), and the part's place in the 1x image.
    HBITMAP Bitmap() const { return bitmap_; }
    POINT Origin() const { return origin_; }
    SIZE Size() const { return size_; }

    // Copies the part's top-left width x height pixels (no more than the part has) to dc at x, y.
    void CopyTo(HDC dc, int x, int y, int width, int height) const;

private:
    void Release();

    HBITMAP bitmap_ = nullptr;
    bool owned_ = false;
    POINT origin_{};
    SIZE size_{};
    int set_ = 100; // the art set of the bitmap: origin and size are scaled to it when copied

    const SkinImages* skins_ = nullptr;
    std::string skinPath_;
    RECT rect_{};
};

} // namespace corvalith
