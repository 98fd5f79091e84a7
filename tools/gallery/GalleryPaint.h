#pragma once

#include "skin/win/SkinImages.h"

#include <windows.h>

#include <string>

namespace corvalith::gallery {

// Drawing helpers of the gallery's previews: skin images by their skin path, text in the program's
// faces, and solid fills.
class GalleryPaint {
public:
    // A font of the given height and weight in the face the program uses for English ("Arial"), Swiss
    // family as the windows create theirs.
    static HFONT Font(int height, int weight = FW_NORMAL);

    static void Text(HDC dc, const std::wstring& text, RECT rect, UINT format, COLORREF colour, HFONT font);
    static void Fill(HDC dc, const RECT& rect, COLORREF colour);
    static void Frame(HDC dc, const RECT& rect, COLORREF colour, int width = 1);
    // An image scaled down (never up) to fit the box, centred, blended by its alpha.
    static void DrawFitted(const SkinImages& images, HDC dc, const std::string& skinPath, const RECT& box);
};

} // namespace corvalith::gallery
