#pragma once

#include <windows.h>

#include <string_view>

namespace corvalith {

// One text as a window drew it: the DC and its window (null for a memory surface), the text, the
// rectangle it was given, the extent it needs in the font selected into the DC and the DrawTextW
// format (0 for a text written from a point). All sizes are in the DC's logical units.
struct DrawnText {
    HDC Dc = nullptr;
    HWND Window = nullptr;
    std::wstring_view Text;
    RECT Place{};
    SIZE Extent{};
    UINT Format = 0;
};

// Told of every text the windows draw through TextDrawing, when one is installed (the text-fit test
// installs one; the program never does).
class ITextDrawObserver {
public:
    virtual ~ITextDrawObserver() = default;
    virtual void OnTextDrawn(const DrawnText& text) = 0;
};

} // namespace corvalith
