#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <tuple>

namespace corvalith {

// The fonts a window draws its texts in: for each text and place, the window's own font when the text
// fits it, else the largest smaller one of the same face that does (TextFit's rule: one line in the
// place's width, a wrapped text in its width and height). Each is measured once and kept until the
// window's font changes, so a text that fits keeps its pixels and a paint measures nothing new.
class FittedFonts {
public:
    using Maker = std::function<HFONT(int height)>;

    FittedFonts() = default;
    FittedFonts(const FittedFonts&) = delete;
    FittedFonts& operator=(const FittedFonts&) = delete;
    ~FittedFonts();

    // The window's font (not owned), its height and how to make the same face at another height; the
    // fonts made for the one before are deleted.
    void Reset(HFONT font, int designHeight, Maker make);
    // The font to draw text in place with DrawTextW's format (DT_WORDBREAK: wrapped). A text allowed past
    // its place (DT_NOCLIP) keeps the window's font.
    HFONT For(HDC dc, std::wstring_view text, const RECT& place, UINT format);
    // Draws text in place with that font (TextDrawing::Draw), and puts the context's font back.
    void Draw(HDC dc, std::wstring_view text, RECT& place, UINT format);

private:
    // The text, its place's width, a wrapped text's height and format, and the scale it is drawn at (a
    // font's glyphs do not grow exactly with the scale).
    using Key = std::tuple<std::wstring, LONG, LONG, UINT, int>;

    void Drop();

    HFONT font_ = nullptr;
    int designHeight_ = 0;
    Maker make_;
    std::map<Key, HFONT> fonts_; // the window's own font or one made for the text
};

} // namespace corvalith
