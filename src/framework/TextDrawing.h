#pragma once

#include "framework/ITextDrawObserver.h"

#include <windows.h>

#include <string_view>

namespace corvalith {

// Every text the windows draw goes through here: DrawTextW and TextOutW as they are, and, while an
// observer is installed, a report of each text with the extent it needs in the selected font. The extent
// is measured from the text itself, not from what was drawn: an ellipsis or a clipped rectangle would hide
// a text that does not fit. A one-line text is measured with GetTextExtentPoint32W, a wrapped one with
// DrawTextW's DT_CALCRECT in the place's width and the same format (a word wider than the place widens it).
class TextDrawing {
public:
    // DrawTextW on place, with its return value (the height drawn).
    static int Draw(HDC dc, std::wstring_view text, RECT& place, UINT format);
    // TextOutW at place's top left corner; place reaches as far as the text may run before it meets a
    // neighbour or the window's edge.
    static void Write(HDC dc, const RECT& place, std::wstring_view text);

    // The observer told of every text from now on, or null (the program's state: nothing is measured).
    // Returns the one it replaces. Windows' thread only.
    static ITextDrawObserver* Observe(ITextDrawObserver* observer);

private:
    static void Report(HDC dc, std::wstring_view text, const RECT& place, UINT format);
};

} // namespace corvalith
