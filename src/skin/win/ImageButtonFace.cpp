#include "skin/win/ImageButtonFace.h"

#include "framework/CMemoryDC.h"
#include "framework/TextDrawing.h"
#include "framework/UiFont.h"
#include "framework/Win32Rect.h"
#include "framework/WorldScale.h"
#include "skin/win/FontFitting.h"

namespace corvalith {

namespace {

// Weight of the caption font, between normal and bold.
constexpr int kCaptionWeight = 550;

} // namespace

ImageButtonFace::~ImageButtonFace() {
    DropFont();
}

void ImageButtonFace::SetImages(const RECT& source, HBITMAP normal, HBITMAP hover, HBITMAP pressed,
                                HBITMAP disabled) {
    const HBITMAP sources[4] = {normal, hover, pressed, disabled};
    for (std::size_t i = 0; i < images_.size(); ++i) {
        images_[i].Cut(sources[i], source);
    }
}

void ImageButtonFace::SetSkinImages(const SkinImages& skins, const RECT& source, std::string_view normal,
                                    std::string_view hover, std::string_view pressed,
                                    std::string_view disabled) {
    const std::string_view paths[4] = {normal, hover, pressed, disabled};
    for (std::size_t i = 0; i < images_.size(); ++i) {
        if (!paths[i].empty()) {
            images_[i].Defer(skins, std::string(paths[i]), source);
        }
    }
}

void ImageButtonFace::SetFontFace(const std::wstring& face) {
    if (face != fontFace_) {
        fontFace_ = face;
        DropFont();
    }
}

void ImageButtonFace::SetFontHeight(int height) {
    if (height != fontHeight_) {
        fontHeight_ = height;
        DropFont();
    }
}

void ImageButtonFace::DropFont() {
    for (HFONT* font : {&font_, &fitted_}) {
        if (*font != nullptr) {
            ::DeleteObject(*font);
            *font = nullptr;
        }
    }
    fittedWidth_ = -1;
}

HFONT ImageButtonFace::MakeFont(int height) const {
    return CreateUiFont({.Face = fontFace_.c_str(),
                         .Height = height,
                         .Weight = kCaptionWeight,
                         .PitchAndFamily = FF_MODERN,
                         .Quality = CLEARTYPE_QUALITY});
}

HFONT ImageButtonFace::FittedFont(HDC dc, int available) {
    // Measured once for each caption, width and scale, not at every paint.
    const int dpi = WorldScale::Of(dc).Dpi();
    if (fittedCaption_ != caption_ || fittedWidth_ != available || fittedDpi_ != dpi) {
        fittedCaption_ = caption_;
        fittedWidth_ = available;
        fittedDpi_ = dpi;
        fittedHeight_ = FittingHeight(dc, caption_, font_, fontHeight_, available,
                                      [this](int height) { return MakeFont(height); });
        if (fitted_ != nullptr) {
            ::DeleteObject(fitted_);
            fitted_ = nullptr;
        }
        if (fittedHeight_ != fontHeight_) {
            fitted_ = MakeFont(fittedHeight_);
        }
    }
    return fitted_ != nullptr ? fitted_ : font_;
}

void ImageButtonFace::SetTextColours(COLORREF normal, COLORREF hover, COLORREF disabled, COLORREF pressed) {
    textColours_ = {normal, hover, disabled, pressed};
}

void ImageButtonFace::Draw(HDC dc, const RECT& box, const ImageButtonLook::State& state, bool onSurface) {
    // Skin files named for the states are taken at the first draw, all four at once.
    for (ImagePart& part : images_) {
        part.Resolve();
    }
    const ImagePart& image = images_[static_cast<std::size_t>(ImageButtonLook::ChooseImage(state))];
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    if (caption_.empty() || onSurface) {
        image.CopyTo(dc, box.left, box.top, width, height);
        if (!caption_.empty()) {
            DrawCaption(dc, box, state);
        }
        return;
    }
    CMemoryDC canvas(dc, width, height);
    image.CopyTo(canvas, 0, 0, width, height);
    DrawCaption(canvas, RECT{0, 0, width, height}, state);
    canvas.CopyTo(dc, box.left, box.top);
}

void ImageButtonFace::DrawCaption(HDC dc, const RECT& box, const ImageButtonLook::State& state) {
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, textColours_[static_cast<std::size_t>(ImageButtonLook::ChooseTextColour(state))]);
    if (font_ == nullptr) {
        font_ = MakeFont(fontHeight_);
    }
    const HGDIOBJ previousFont = ::SelectObject(dc, font_);

    RECT area = ToRect(ImageButtonLook::CaptionBox(FromRect(box), alignment_, indent_));
    UINT format = DT_NOPREFIX;
    switch (ImageButtonLook::AlignmentOf(alignment_)) {
    case ImageButtonLook::Alignment::Centre:
        format |= DT_CENTER;
        break;
    case ImageButtonLook::Alignment::Left:
        format |= DT_LEFT;
        break;
    case ImageButtonLook::Alignment::Right:
        format |= DT_RIGHT;
        break;
    case ImageButtonLook::Alignment::RightUnclipped:
        format |= DT_RIGHT | DT_NOCLIP;
        break;
    }
    if (wrap_) {
        // Word-wrapped text is centred vertically by measuring it first.
        RECT measured = area;
        ::DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &measured,
                    format | DT_WORDBREAK | DT_CALCRECT);
        const int textHeight = measured.bottom - measured.top;
        const int spare = (area.bottom - area.top) - textHeight;
        if (spare > 0) {
            area.top += spare / 2;
        }
        TextDrawing::Draw(dc, caption_, area, format | DT_WORDBREAK);
    } else {
        // A caption too wide for its place is drawn in a smaller font of the same face rather than cut (a
        // right-aligned caption allowed past its box keeps its size); one too wide even at the smallest
        // readable height still ends in an ellipsis.
        drawnHeight_ = fontHeight_;
        if ((format & DT_NOCLIP) == 0) {
            ::SelectObject(dc, FittedFont(dc, area.right - area.left));
            drawnHeight_ = fittedHeight_;
        }
        TextDrawing::Draw(dc, caption_, area, format | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    }
    ::SelectObject(dc, previousFont);
}

} // namespace corvalith
