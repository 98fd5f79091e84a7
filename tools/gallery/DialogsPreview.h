#pragma once

#include "framework/CWnd.h"
#include "skin/win/SkinImages.h"

namespace corvalith::gallery {

// The dialogs drawn side by side from their skin files, with their texts and button images at the
// rectangles their windows use: splash, macro manager, profile manager, warning, key capture and
// macro assignment.
class DialogsPreview : public CWnd {
public:
    explicit DialogsPreview(const SkinImages& images) : images_(images) {}
    ~DialogsPreview() override;

    bool Create(int x, int y);

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC dc) override;

private:
    void PaintMacroManager(HDC dc, int x, int y);
    void PaintProfileManager(HDC dc, int x, int y);
    void PaintWarning(HDC dc, int x, int y);
    void PaintKeyCapture(HDC dc, int x, int y);
    void PaintMacroAssignment(HDC dc, int x, int y);

    const SkinImages& images_;
    HFONT font_ = nullptr;
    HFONT bold_ = nullptr;
};

} // namespace corvalith::gallery
