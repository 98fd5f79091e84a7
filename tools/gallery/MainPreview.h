#pragma once

#include "PanelPreview.h"
#include "app/MainWindowModel.h"
#include "controls/win/CBitmapBtn.h"
#include "framework/CWnd.h"
#include "lang/LanguageTable.h"
#include "pages/win/CDMarker.h"
#include "skin/win/SkinImages.h"

#include <array>

namespace corvalith::gallery {

// A stand-in of the main window drawn from the window's own plan: the pictures in their painting order,
// the mouse in one view with the hot spots of a selected row, the three left sections open, the
// advanced panel, and every image button and slider where the window places them, in English.
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
    const SkinImages& images_;
    int selectedSlot_;
    MainWindowModel model_;
    LanguageTable texts_;
    HFONT font_ = nullptr;
    HFONT labelFont_ = nullptr;
    std::array<CBitmapBtn, MainWindowPlan::kControls> controls_;
    std::array<CBitmapBtn, MainWindowLayout::kSlots> dropDowns_;
    CDMarker xAxis_, yAxis_, liftOff_;
    PanelPreview panel_;
};

} // namespace corvalith::gallery
