#pragma once

#include "app/MainWindowModel.h"
#include "lang/LanguageTable.h"
#include "skin/win/CPaintedButtons.h"

#include <windows.h>

#include <string>

namespace corvalith {

class SkinImages;

// What the main window paints, from its plan: the background (or a plain fill where it could not be
// loaded), the images and texts of the window's state and, last, its drawn image buttons. It owns the
// window's two fonts, in the language's font face.
class MainWindowCanvas {
public:
    // All must outlive the canvas; buttons: the window's drawn image buttons.
    MainWindowCanvas(const SkinImages& skins, const LanguageTable& texts, CPaintedButtons& buttons)
        : skins_(skins), texts_(texts), buttons_(buttons) {}
    MainWindowCanvas(const MainWindowCanvas&) = delete;
    MainWindowCanvas& operator=(const MainWindowCanvas&) = delete;
    ~MainWindowCanvas();

    // Makes the fonts in a face; the window's size is the background's.
    void Build(const std::wstring& fontFace, int width, int height);
    HFONT MainFont() const { return mainFont_; }

    // Paints everything that the clip box of the device context touches.
    void Paint(HDC dc, const MainWindowModel& model, bool liftOffEnabled) const;
    // WM_PAINT: only what the update rectangle touches is drawn, off screen, and copied to the window.
    void PaintWindow(HWND window, const MainWindowModel& model, bool liftOffEnabled) const;
    // Paints the whole window once on a surface of its size that nobody sees: the surface is made, and so
    // are the letters of its texts, so that the window's first show only draws.
    void PaintUnseen(const MainWindowModel& model, bool liftOffEnabled) const;

private:
    const SkinImages& skins_;
    const LanguageTable& texts_;
    CPaintedButtons& buttons_;
    HFONT mainFont_ = nullptr;
    HFONT labelFont_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace corvalith
