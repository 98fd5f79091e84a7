#pragma once

#include "app/MainWindowModel.h"
#include "app/MainWindowPlan.h"
#include "app/UploadProgressDisplay.h"
#include "framework/CBitmapSurface.h"
#include "framework/CWnd.h"
#include "lang/LanguageTable.h"
#include "skin/win/CPaintedButtons.h"

#include <windows.h>

#include <string>
#include <vector>

namespace corvalith {

class SkinImages;

// What the main window paints, from its plan: the background (or a plain fill where it could not be
// loaded), the images and texts of the window's state and, last, its drawn image buttons. It owns the
// window's two fonts, in the language's font face. The background with its images and texts is composed
// once on a surface of the window's size and copied from there at every paint until the images or texts
// of the window's state change: a repaint draws only the buttons over it.
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
    // The scale the window is drawn at; a change composes the layer again at the new scale.
    void SetScale(const DisplayScale& scale);

    // Paints everything that the clip box of the device context touches.
    void Paint(HDC dc, const MainWindowModel& model, bool liftOffEnabled) const;
    // WM_PAINT: only what the update rectangle touches is drawn, off screen, and copied to the window; the
    // upload progress bar, while it shows, is drawn last.
    void PaintWindow(const CWnd& window, const MainWindowModel& model, bool liftOffEnabled,
                     const UploadProgressDisplay& progress) const;
    // Paints the whole window once on a surface of its size that nobody sees: the surface is made, and so
    // are the letters of its texts, so that the window's first show only draws.
    void PaintUnseen(const MainWindowModel& model, bool liftOffEnabled) const;

private:
    // The window's size, composed while its images and texts stay the ones it was composed of.
    struct Layer {
        CBitmapSurface Surface;
        bool Composed = false;
        std::vector<MainWindowPlan::Image> Images;
        std::vector<MainWindowPlan::Text> Texts;
    };

    // Draws the background, the images and the texts.
    void DrawLayer(HDC dc, const std::vector<MainWindowPlan::Image>& images,
                   const std::vector<MainWindowPlan::Text>& texts) const;
    // The upload progress bar in the colours of the bottom bar's edge: its track and its filled part.
    static void DrawUploadBar(HDC dc, const UploadProgressDisplay& progress);
    // The composed layer, composed again first when images or texts differ from its own; null when no
    // surface can be made.
    HDC ComposedLayer(const std::vector<MainWindowPlan::Image>& images,
                      const std::vector<MainWindowPlan::Text>& texts) const;

    const SkinImages& skins_;
    const LanguageTable& texts_;
    CPaintedButtons& buttons_;
    HFONT mainFont_ = nullptr;
    HFONT labelFont_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    DisplayScale scale_;
    mutable Layer layer_;
};

} // namespace corvalith
