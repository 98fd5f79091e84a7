#pragma once

#include "framework/CDialog.h"

namespace corvalith {

class LanguageTable;

// The lift-off help tip: a small bordered pop-up window, black with the white note word-wrapped inside
// a 5-pixel margin. The main window creates it while the pointer rests on the help area, places it
// 20 pixels right of the pointer at 180 x 50 (taller when the note needs more lines), and destroys it when
// the pointer leaves; the tip itself only paints.
class CDlgToolTip : public CDialog {
public:
    static constexpr UINT kTemplateId = 153;
    static constexpr int kWidth = 180;
    static constexpr int kHeight = 50;
    static constexpr int kOffsetX = 20;
    static constexpr int kInset = 5;
    static constexpr COLORREF kBackground = RGB(0, 0, 0);
    static constexpr COLORREF kTextColour = RGB(255, 255, 255);

    // texts must outlive the window.
    explicit CDlgToolTip(const LanguageTable& texts, CWnd* parent = nullptr);
    ~CDlgToolTip() override;

    // Creates the tip hidden, owned by the parent given to the constructor.
    bool Create();
    // Places the tip 20 pixels right of a screen point, 180 x 50 or as tall as its note needs, shows it and
    // brings it to the front.
    void ShowAt(POINT screenPoint);

    HFONT Font() const { return font_; }

    // Paints the tip onto dc for a client area of the given size.
    void Draw(HDC dc, const RECT& client) const;

protected:
    BOOL OnInitDialog() override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC dc) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT controlType) override;

private:
    // The window's height: 50, or what the note's lines and the margins take when that is more.
    int Height() const;

    const LanguageTable& texts_;
    HFONT font_ = nullptr;
};

} // namespace corvalith
