#include "skin/win/FontFitting.h"

#include "skin/TextFit.h"

namespace corvalith {

int FittingHeight(HDC dc, std::wstring_view text, HFONT current, int designHeight, int available,
                  const std::function<HFONT(int height)>& make) {
    const auto widthIn = [&](HFONT font) {
        const HGDIOBJ previous = ::SelectObject(dc, font);
        SIZE size{};
        ::GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
        ::SelectObject(dc, previous);
        return static_cast<int>(size.cx);
    };
    if (current == nullptr || widthIn(current) <= available) {
        return designHeight;
    }
    return TextFit::Height(designHeight, available, [&](int height) {
        const HFONT font = make(height);
        const int width = widthIn(font);
        ::DeleteObject(font);
        return width;
    });
}

} // namespace corvalith
