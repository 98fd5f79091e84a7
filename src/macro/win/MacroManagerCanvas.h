#pragma once

#include "controls/win/DialogHoverTracker.h"
#include "skin/win/FittedFonts.h"

#include <windows.h>

#include <string>

namespace corvalith {

class SkinImage;
class SkinImages;

// The macro manager's painting: the skin background, the buttons lit under the pointer, the two check
// boxes and the texts of the language, and the colours of its lists and loop-count box. The fonts and
// brushes are made anew at each opening, in its language, and go with the dialog; a text too wide for its
// place is drawn in a smaller font of the same face.
class MacroManagerCanvas {
public:
    explicit MacroManagerCanvas(const SkinImages& skins) : skins_(skins) {}
    ~MacroManagerCanvas() { Drop(); }
    MacroManagerCanvas(const MacroManagerCanvas&) = delete;
    MacroManagerCanvas& operator=(const MacroManagerCanvas&) = delete;

    void Create(const std::string& languageCode);
    void Drop();
    HFONT Font() const { return font_; }
    HFONT LoopFont() const { return loopFont_; }

    struct State {
        const SkinImage* Background; // nothing is drawn without it
        const DialogHoverTracker& Hover;
        bool LoopTicked;
        bool DelayTicked;
    };
    void Draw(HDC dc, const RECT& client, const State& state) const;
    // The brush and colours of a list (`loopBox` false) or of the loop-count box; nullptr before Create.
    HBRUSH Colour(HDC dc, bool loopBox) const;

private:
    const SkinImages& skins_;
    std::string code_;
    HFONT font_ = nullptr;
    mutable FittedFonts fitted_; // the texts' fonts, font_ where they fit
    HFONT loopFont_ = nullptr;
    HBRUSH listBrush_ = nullptr;
    HBRUSH loopBrush_ = nullptr;
};

} // namespace corvalith
