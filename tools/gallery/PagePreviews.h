#pragma once

#include "framework/CWnd.h"
#include "pages/win/CDMarker.h"
#include "pages/win/CDMarkerV.h"
#include "skin/win/SkinImages.h"

#include <array>

namespace corvalith::gallery {

// Stand-ins of three settings pages, drawn from their skin files as their windows lay them out: the
// DPI page with its seven vertical sliders, the mouse lighting page with its five sliders and
// swatches, and the polling-rate page with its dial.
class PagePreviews : public CWnd {
public:
    enum class Page { Dpi, Lighting, Polling };

    PagePreviews(const SkinImages& images, Page page) : images_(images), page_(page) {}
    ~PagePreviews() override;

    bool Create(CWnd* parent, int x, int y);

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC dc) override;

private:
    void PaintDpi(HDC dc);
    void PaintLighting(HDC dc);

    const SkinImages& images_;
    Page page_;
    std::array<CDMarkerV, 7> stages_;
    std::array<CDMarker, 5> levels_;
    HFONT font_ = nullptr;
    HBITMAP wheel_ = nullptr;
};

} // namespace corvalith::gallery
