#include "skin/win/FittedFonts.h"

#include "framework/TextDrawing.h"
#include "framework/WorldScale.h"
#include "skin/win/FontFitting.h"

#include <utility>

namespace corvalith {

FittedFonts::~FittedFonts() {
    Drop();
}

void FittedFonts::Drop() {
    for (const auto& [key, font] : fonts_) {
        if (font != font_) {
            ::DeleteObject(font);
        }
    }
    fonts_.clear();
}

void FittedFonts::Reset(HFONT font, int designHeight, Maker make) {
    Drop();
    font_ = font;
    designHeight_ = designHeight;
    make_ = std::move(make);
}

HFONT FittedFonts::For(HDC dc, std::wstring_view text, const RECT& place, UINT format) {
    if (font_ == nullptr || !make_ || (format & DT_NOCLIP) != 0) {
        return font_;
    }
    const LONG width = place.right - place.left;
    const bool wrapped = (format & DT_WORDBREAK) != 0 && (format & DT_SINGLELINE) == 0;
    Key key{std::wstring(text), width, wrapped ? place.bottom - place.top : 0, wrapped ? format : 0u,
            WorldScale::Of(dc).Dpi()};
    if (const auto found = fonts_.find(key); found != fonts_.end()) {
        return found->second;
    }
    const int height = wrapped
                           ? FittingWrappedHeight(dc, text, font_, designHeight_, place, format, make_)
                           : FittingHeight(dc, text, font_, designHeight_, static_cast<int>(width), make_);
    HFONT chosen = font_;
    if (height != designHeight_) {
        if (const HFONT made = make_(height); made != nullptr) {
            chosen = made;
        }
    }
    fonts_.emplace(std::move(key), chosen);
    return chosen;
}

void FittedFonts::Draw(HDC dc, std::wstring_view text, RECT& place, UINT format) {
    const HFONT font = For(dc, text, place, format);
    const HGDIOBJ previous = font != nullptr ? ::SelectObject(dc, font) : nullptr;
    TextDrawing::Draw(dc, text, place, format);
    if (previous != nullptr) {
        ::SelectObject(dc, previous);
    }
}

} // namespace corvalith
