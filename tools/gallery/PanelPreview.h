#pragma once

#include "PagePreviews.h"
#include "controls/win/CBitmapBtn.h"
#include "framework/CWnd.h"
#include "skin/win/SkinImages.h"

#include <array>

namespace corvalith::gallery {

// A stand-in of the advanced panel: its background, the section headers, three pages open (DPI,
// lighting, polling rate) and the skinned scroll frame around it, scrolling its children.
class PanelPreview : public CWnd {
public:
    explicit PanelPreview(const SkinImages& images);
    ~PanelPreview() override;

    bool Create(CWnd* parent, const RECT& rect);

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC dc) override;
    void OnVScroll(UINT code, UINT position, HWND bar) override;

private:
    const SkinImages& images_;
    std::array<CBitmapBtn, 6> headers_;
    PagePreviews dpi_;
    PagePreviews lighting_;
    PagePreviews polling_;
    HBITMAP scrollSkin_ = nullptr;
    int range_ = 0;
    int page_ = 0;
    int position_ = 0;
};

} // namespace corvalith::gallery
