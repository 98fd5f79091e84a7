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

} // namespace corvalith
