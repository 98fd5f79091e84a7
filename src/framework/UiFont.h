#pragma once

#include <windows.h>

namespace corvalith {

// A font the windows draw their texts with: what they choose, the rest left at the system's defaults
// (no width, no slant, no underline or strike-out, default output and clipping precision).
struct UiFont {
    const wchar_t* Face = L"";
    int Height = 0;
    int Weight = FW_DONTCARE;
    BYTE PitchAndFamily = DEFAULT_PITCH;
    BYTE CharSet = DEFAULT_CHARSET;
    BYTE Quality = DEFAULT_QUALITY;
};

// The caller owns the font and deletes it with DeleteObject.
inline HFONT CreateUiFont(const UiFont& font) {
    return ::CreateFontW(font.Height, 0, 0, 0, font.Weight, FALSE, FALSE, FALSE, font.CharSet,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, font.Quality, font.PitchAndFamily,
                         font.Face);
}

} // namespace corvalith
