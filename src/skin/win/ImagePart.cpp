#include "skin/win/ImagePart.h"

#include "framework/CSourceDC.h"
#include "skin/SkinArtSet.h"
#include "skin/win/SkinImages.h"

#include <algorithm>

namespace corvalith {

ImagePart::~ImagePart() {
    Release();
}

void ImagePart::Release() {
    if (owned_ && bitmap_ != nullptr) {
        ::DeleteObject(bitmap_);
    }
    bitmap_ = nullptr;
    owned_ = false;
    origin_ = {};
    size_ = {};
    set_ = 100;
}

bool ImagePart::Cut(HBITMAP source, const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (source == nullptr || width <= 0 || height <= 0) {
        return false;
    }
    const HDC screen = ::GetDC(nullptr);
    const HBITMAP cut = ::CreateCompatibleBitmap(screen, width, height);
    if (cut != nullptr) {
        const HDC from = ::CreateCompatibleDC(screen);
        const HDC to = ::CreateCompatibleDC(screen);
        const HGDIOBJ oldFrom = ::SelectObject(from, source);
        const HGDIOBJ oldTo = ::SelectObject(to, cut);
        ::BitBlt(to, 0, 0, width, height, from, rect.left, rect.top, SRCCOPY);
        ::SelectObject(from, oldFrom);
        ::SelectObject(to, oldTo);
        ::DeleteDC(from);
        ::DeleteDC(to);
    }
    ::ReleaseDC(nullptr, screen);
    if (cut == nullptr) {
        return false;
    }
    Release();
    bitmap_ = cut;
    owned_ = true;
    size_ = {width, height};
    skins_ = nullptr;
    skinPath_.clear();
    return true;
}

void ImagePart::Defer(const SkinImages& skins, std::string skinPath, const RECT& rect) {
    skins_ = &skins;
    skinPath_ = std::move(skinPath);
    rect_ = rect;
    // The part copies the file's pixels as they are: whichever use decodes the file first keeps them.
    skins.KeepStraight(skinPath_);
}

void ImagePart::Resolve() {
    if (skins_ == nullptr) {
        return;
    }
    const SkinImages& skins = *skins_;
    skins_ = nullptr;
    if (rect_.right <= rect_.left || rect_.bottom <= rect_.top) {
        return;
    }
    const SkinImage* image = skins.StraightImage(skinPath_);
    if (image == nullptr) {
        return;
    }
    // The part of the rectangle that lies inside the image; what lies outside stays undrawn. A rectangle
    // wholly outside leaves the part as it was.
    const int left = std::clamp(static_cast<int>(rect_.left), 0, image->Width());
    const int top = std::clamp(static_cast<int>(rect_.top), 0, image->Height());
    const int right = std::clamp(static_cast<int>(rect_.right), left, image->Width());
    const int bottom = std::clamp(static_cast<int>(rect_.bottom), top, image->Height());
    if (right == left || bottom == top) {
        return;
    }
    Release();
    bitmap_ = image->Bitmap();
    origin_ = {left, top};
    size_ = {right - left, bottom - top};
    // The larger art set's file, where the windows draw from one: the same part at the set's pixels.
    if (const SkinImage* set = skins.StraightSetImage(skinPath_);
        set != nullptr && set->LogicalWidth() == image->Width() && set->LogicalHeight() == image->Height()) {
        bitmap_ = set->Bitmap();
        set_ = skins.ArtSet();
    }
}

void ImagePart::CopyTo(HDC dc, int x, int y, int width, int height) const {
    width = std::min(width, static_cast<int>(size_.cx));
    height = std::min(height, static_cast<int>(size_.cy));
    if (bitmap_ == nullptr || dc == nullptr || width <= 0 || height <= 0) {
        return;
    }
    const CSourceDC source(bitmap_);
    if (!source.Valid()) {
        return;
    }
    if (set_ == 100) {
        ::BitBlt(dc, x, y, width, height, source, origin_.x, origin_.y, SRCCOPY);
        return;
    }
    // Every 1x edge lies at its scaled place in the set's image.
    const int left = SkinArtSet::Scaled(origin_.x, set_);
    const int top = SkinArtSet::Scaled(origin_.y, set_);
    ::StretchBlt(dc, x, y, width, height, source, left, top,
                 SkinArtSet::Scaled(origin_.x + width, set_) - left,
                 SkinArtSet::Scaled(origin_.y + height, set_) - top, SRCCOPY);
}

} // namespace corvalith
