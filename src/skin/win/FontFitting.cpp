#include "skin/win/FontFitting.h"

#include "skin/TextFit.h"

namespace corvalith {

namespace {

// The text's extent in a font: one line, or wrapped in the place's width with the format.
SIZE ExtentIn(HDC dc, std::wstring_view text, HFONT font, const RECT* place, UINT format) {
    const HGDIOBJ previous = ::SelectObject(dc, font);
    SIZE size{};
    if (place == nullptr) {
        ::GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    } else {
        RECT measured = *place;
        ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &measured,
                    (format & ~(DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS | DT_MODIFYSTRING)) |
                        DT_CALCRECT);
        size = SIZE{measured.right - measured.left, measured.bottom - measured.top};
    }
    ::SelectObject(dc, previous);
    return size;
}

int Fitting(HDC dc, std::wstring_view text, HFONT current, int designHeight, const RECT* place, SIZE room,
            UINT format, const std::function<HFONT(int height)>& make) {
    const auto fitsIn = [&](HFONT font) {
        const SIZE size = ExtentIn(dc, text, font, place, format);
        return size.cx <= room.cx && (place == nullptr || size.cy <= room.cy);
    };
    if (current == nullptr || fitsIn(current)) {
        return designHeight;
    }
    return TextFit::Height(designHeight, [&](int height) {
        const HFONT font = make(height);
        const bool fits = fitsIn(font);
        ::DeleteObject(font);
        return fits;
    });
}

} // namespace

int FittingHeight(HDC dc, std::wstring_view text, HFONT current, int designHeight, int available,
                  const std::function<HFONT(int height)>& make) {
    return Fitting(dc, text, current, designHeight, nullptr, SIZE{available, 0}, 0, make);
}

int FittingWrappedHeight(HDC dc, std::wstring_view text, HFONT current, int designHeight, const RECT& place,
                         UINT format, const std::function<HFONT(int height)>& make) {
    return Fitting(dc, text, current, designHeight, &place,
                   SIZE{place.right - place.left, place.bottom - place.top}, format, make);
}

} // namespace corvalith
