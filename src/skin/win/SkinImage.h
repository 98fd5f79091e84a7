#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>

namespace corvalith {

// A decoded skin image: a top-down device-independent section of 32 bits per pixel, blue, green, red,
// alpha, as the drawing surfaces hold theirs, so that copying needs no conversion. An image whose file
// has alpha keeps it straight as decoded until Premultiply and is blended; an image without alpha has
// alpha 255 everywhere and is copied. Owns its bitmap.
class SkinImage {
public:
    SkinImage() = default;
    SkinImage(const SkinImage&) = delete;
    SkinImage& operator=(const SkinImage&) = delete;
    SkinImage(SkinImage&& other) noexcept;
    SkinImage& operator=(SkinImage&& other) noexcept;
    ~SkinImage();

    // A blank image of the given size; bitsPerPixel is 24 or 32, and only a 32-bit image can have alpha.
    // nullopt for an empty size or when the section cannot be made.
    static std::optional<SkinImage> Create(int width, int height, int bitsPerPixel, bool alpha);

    HBITMAP Bitmap() const { return bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The size the image covers in a window, in logical pixels: its pixel size, unless it is art drawn for
    // a larger scale, which covers the size of its 1x file.
    int LogicalWidth() const { return logicalWidth_ > 0 ? logicalWidth_ : width_; }
    int LogicalHeight() const { return logicalHeight_ > 0 ? logicalHeight_ : height_; }
    void SetLogicalSize(int width, int height) {
        logicalWidth_ = width;
        logicalHeight_ = height;
    }
    int BitsPerPixel() const { return bitsPerPixel_; }
    // Bytes from one row to the next (rows are padded to 4 bytes).
    int Pitch() const { return pitch_; }
    // Whether the image is blended by its alpha channel; without, it is copied.
    bool HasAlpha() const { return alpha_; }
    // Whether the colours of a 32-bit image are already multiplied by its alpha, as blending wants them.
    bool IsPremultiplied() const { return premultiplied_; }
    // Multiplies the colours by alpha, once: a second call leaves the pixels as they are. Nothing
    // happens to an image without alpha.
    void Premultiply();
    // A new image with the same size, format and pixels; nullopt for an empty image or when no section
    // can be made.
    std::optional<SkinImage> Copy() const;
    std::span<std::uint8_t> Pixels() { return {bits_, static_cast<std::size_t>(pitch_) * height_}; }
    std::span<const std::uint8_t> Pixels() const {
        return {bits_, static_cast<std::size_t>(pitch_) * height_};
    }
    // The pixel's bytes at x, y (blue, green, red[, alpha]); empty outside the image.
    std::span<const std::uint8_t> PixelAt(int x, int y) const;

    // Gives up the bitmap to the caller, who must delete it.
    HBITMAP Release();

private:
    void Reset();

    HBITMAP bitmap_ = nullptr;
    std::uint8_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int logicalWidth_ = 0; // 0: the pixel size
    int logicalHeight_ = 0;
    int bitsPerPixel_ = 0;
    int pitch_ = 0;
    bool alpha_ = false;
    bool premultiplied_ = false;
};

} // namespace corvalith
