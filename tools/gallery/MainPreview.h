#pragma once

#include "PanelPreview.h"
#include "framework/CWnd.h"
#include "pages/win/CDMarker.h"
#include "skin/win/CBitmapBtn.h"
#include "skin/win/SkinImages.h"

#include <array>

namespace corvalith::gallery {

// A stand-in of the main window as its layout places everything: the backgrounds and pictures in
// their painting order, the mouse in one view with the hot spots of a selected row, the three left
// sections open, the advanced panel, and every image button and slider at its rectangle.
class MainPreview : public CWnd {
public:
    // view 1 top, 2 side; selectedSlot -1 for none.
    MainPreview(const SkinImages& images, int view, int selectedSlot);
    ~MainPreview() override;

    bool Create(int x, int y);

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC dc) override;

private:
    void PaintSections(HDC dc);
    void PaintHotSpots(HDC dc);

    const SkinImages& images_;
    int view_;
    int selectedSlot_;
    HFONT font_ = nullptr;
    CBitmapBtn reset_, close_, minimise_, help_, config_, topView_, sideView_;
    std::array<CBitmapBtn, 4> headers_;
    std::array<CBitmapBtn, 7> dropDowns_;
    CDMarker xAxis_, yAxis_, liftOff_;
    PanelPreview panel_;
};

} // namespace corvalith::gallery
