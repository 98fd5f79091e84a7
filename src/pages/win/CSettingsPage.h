#pragma once

#include "framework/CDialog.h"
#include "framework/Win32Rect.h"
#include "pages/SettingsChange.h"
#include "pages/win/PageContext.h"
#include "platform/Rgb.h"
#include "skin/win/FittedFonts.h"
#include "skin/win/SkinImage.h"

#include <string>
#include <string_view>

namespace corvalith {

// What every page of the advanced panel shares: a child dialog from an empty template, a background
// image loaded once and drawn under each double-buffered paint, the page font in the face of the
// language, and the settings-changed notification posted to its own window for the main window's
// pre-translation.
class CSettingsPage : public CDialog {
public:
    CSettingsPage(UINT templateId, PageContext context, std::string_view background, int fontHeight,
                  int fontWeight = 0);
    ~CSettingsPage() override;

    // Creates the page hidden as a child of parent.
    bool CreatePage(CWnd* parent);

    // The size of the page's background image (0 x 0 when it cannot be read).
    static SIZE BackgroundSize(const SkinImages& skins, std::string_view background);

    HFONT Font() const { return font_; }
    // Draws the whole page, background first, into dc at 0, 0, as its paint shows it.
    void PaintTo(HDC dc);

protected:
    BOOL OnInitDialog() override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC dc) override;

    // The page's controls, made once the window exists.
    virtual void CreateControls() {}
    // Draws the page's content over its background.
    virtual void Draw(HDC dc) = 0;

    void PostChange(SettingsChange change, int times = 1);
    // Draws a skin file at x, y.
    void DrawSkin(HDC dc, std::string_view path, int x, int y) const;
    void DrawText(HDC dc, std::string_view words, const Rect& box, UINT format) const;
    // Fills a colour swatch: the page draws its swatches itself rather than keeping a window for each.
    static void FillSwatch(HDC dc, const Rect& box, Rgb colour);
    void InvalidatePageRect(const Rect& rect) { InvalidateRect(ToRect(rect), false); }
    // Invalidates and paints at once.
    void RepaintNow() { RedrawWindow(nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

    PageContext context_;

private:
    std::string background_;
    int fontHeight_;
    int fontWeight_;
    HFONT font_ = nullptr;
    mutable FittedFonts fitted_; // the texts' fonts, font_ where they fit
};

} // namespace corvalith
