#pragma once

#include "controls/win/CBitmapBtn.h"
#include "framework/CEdit.h"
#include "framework/CListBox.h"
#include "framework/CWnd.h"
#include "pages/win/CDMarker.h"
#include "pages/win/CDMarkerV.h"
#include "skin/win/CSkinScrollBar.h"
#include "skin/win/SkinImages.h"

#include <deque>

namespace corvalith::gallery {

// Every skinned control in every state: image buttons normal, hover, pressed, checked and disabled;
// marker sliders along their ranges and disabled; skinned scroll bars idle, hovered, pressed, dragged
// and disabled; scroll frames around a list box and around an edit box with both bars.
class ControlsPreview : public CWnd {
public:
    explicit ControlsPreview(const SkinImages& images) : images_(images) {}
    ~ControlsPreview() override;

    bool Create(int x, int y);

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC dc) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;

private:
    void AddButtons();
    void AddSliders();
    void AddScrollBars();

    const SkinImages& images_;
    HFONT font_ = nullptr;
    HFONT small_ = nullptr;
    HBRUSH listBrush_ = nullptr;
    HBITMAP scrollSkin_ = nullptr;
    std::deque<CBitmapBtn> buttons_;
    std::deque<CDMarker> sliders_;
    std::deque<CDMarkerV> verticals_;
    std::deque<CSkinScrollBar> bars_;
    CListBox list_;
    CEdit edit_;
};

} // namespace corvalith::gallery
