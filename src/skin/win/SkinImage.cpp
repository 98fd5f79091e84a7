#include "skin/win/SkinImage.h"

#include "skin/SkinPixels.h"

#include <cstring>
#include <utility>

namespace corvalith {

SkinImage::SkinImage(SkinImage&& other) noexcept
    : bitmap_(std::exchange(other.bitmap_, nullptr)), bits_(std::exchange(other.bits_, nullptr)),
      width_(std::exchange(other.width_, 0)), height_(std::exchange(other.height_, 0)),
      logicalWidth_(std::exchange(other.logicalWidth_, 0)),
      logicalHeight_(std::exchange(other.logicalHeight_, 0)),
      bitsPerPixel_(std::exchange(other.bitsPerPixel_, 0)), pitch_(std::exchange(other.pitch_, 0)),
      alpha_(std::exchange(other.alpha_, false)), premultiplied_(std::exchange(other.premultiplied_, false)) {
}

SkinImage& SkinImage::operator=(SkinImage&& other) noexcept {
    if (this != &other) {
        Reset();
        bitmap_ = std::exchange(other.bitmap_, nullptr);
        bits_ = std::exchange(other.bits_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        logicalWidth_ = std::exchange(other.logicalWidth_, 0);
        logicalHeight_ = std::exchange(other.logicalHeight_, 0);
        bitsPerPixel_ = std::exchange(other.bitsPerPixel_, 0);
        pitch_ = std::exchange(other.pitch_, 0);
        alpha_ = std::exchange(other.alpha_, false);
        premultiplied_ = std::exchange(other.premultiplied_, false);
    }
    return *this;
}

SkinImage::~SkinImage() {
    Reset();
}

void SkinImage::Reset() {
    if (bitmap_ != nullptr) {
        ::DeleteObject(bitmap_);
    }
    bitmap_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = logicalWidth_ = logicalHeight_ = bitsPerPixel_ = pitch_ = 0;
    alpha_ = premultiplied_ = false;
}

void SkinImage::Premultiply() {
    if (!HasAlpha() || premultiplied_ || bits_ == nullptr) {
        return;
    }
    ::GdiFlush(); // drawing into the section may still be queued
    SkinPixels::Premultiply(Pixels());
    premultiplied_ = true;
}

std::optional<SkinImage> SkinImage::Copy() const {
    std::optional<SkinImage> copy = Create(width_, height_, bitsPerPixel_, alpha_);
    if (copy) {
        ::GdiFlush();
        std::memcpy(copy->bits_, bits_, static_cast<std::size_t>(pitch_) * height_);
        copy->premultiplied_ = premultiplied_;
        copy->SetLogicalSize(logicalWidth_, logicalHeight_);
    }
    return copy;
}

HBITMAP SkinImage::Release() {
    const HBITMAP bitmap = bitmap_;
    bitmap_ = nullptr;
    Reset();
    return bitmap;
}

std::optional<SkinImage> SkinImage::Create(int width, int height, int bitsPerPixel, bool alpha) {
    if (width <= 0 || height <= 0 || (bitsPerPixel != 24 && bitsPerPixel != 32) ||
        (alpha && bitsPerPixel != 32)) {
        return std::nullopt;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr || bits == nullptr) {
        if (bitmap != nullptr) {
            ::DeleteObject(bitmap);
        }
        return std::nullopt;
    }
    SkinImage image;
    image.bitmap_ = bitmap;
    image.bits_ = static_cast<std::uint8_t*>(bits);
    image.width_ = width;
    image.height_ = height;
    image.bitsPerPixel_ = bitsPerPixel;
    image.pitch_ = ((width * bitsPerPixel + 31) / 32) * 4;
    image.alpha_ = alpha;
    return image;
}

std::span<const std::uint8_t> SkinImage::PixelAt(int x, int y) const {
    if (bits_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_) {
        return {};
    }
    const std::size_t bytes = static_cast<std::size_t>(bitsPerPixel_ / 8);
    return {bits_ + static_cast<std::size_t>(y) * pitch_ + static_cast<std::size_t>(x) * bytes, bytes};
}

} // namespace corvalith
