#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

namespace corvalith {

// The font height at which a one-line text fits its width: the design height when it fits in `current`
// (the font at that height), else the largest smaller height that fits in the fonts `make` gives
// (TextFit's rule). Measured on dc.
int FittingHeight(HDC dc, std::wstring_view text, HFONT current, int designHeight, int available,
                  const std::function<HFONT(int height)>& make);

// The same for a text DrawTextW wraps (DT_WORDBREAK in format) into place: its lines must fit both the
// place's width (a word wider than the place widens them) and its height.
int FittingWrappedHeight(HDC dc, std::wstring_view text, HFONT current, int designHeight, const RECT& place,
                         UINT format, const std::function<HFONT(int height)>& make);

} // namespace corvalith
