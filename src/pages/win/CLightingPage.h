#pragma once

#include "pages/LightingPageModel.h"
#include "pages/win/CDMarker.h"
#include "pages/win/CSettingsPage.h"

#include <array>

namespace corvalith {

// What the mouse and mouse-pad lighting pages share: an option and a level slider per mode, and six
// palette swatches drawn by the page, the last the multi-colour one showing the colour-wheel picture. A
// double click on an editable swatch opens the colour chooser. LightingPageModel decides; the mouse page
// announces every change as a lighting change, the pad page announces nothing.
class CLightingPage : public CSettingsPage {
public:
    static constexpr int kColourWheelBitmap = 148;
    // The same wheel at twice the pixels, drawn above 100 %.
    static constexpr int kSharpColourWheelBitmap = 149;

    // Selects a mode as a click on its option would (the panel's refresh passes the stored one).
    void SelectMode(int mode);

    const LightingPageModel& Model() const { return model_; }
    // The slider of a row's mode, or null.
    CDMarker* Slider(int rowMode);

protected:
    CLightingPage(UINT templateId, PageContext context, std::string_view background,
                  LightingPageModel::Target target);
    ~CLightingPage() override;

    void CreateControls() override;
    void Draw(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnLButtonDblClk(UINT flags, POINT point) override;

private:
    void ShowSliders();
    void DrawColourWheel(HDC dc, const Rect& box) const;
    void Announce(int notifications) { PostChange(SettingsChange::Lighting, notifications); }

    LightingPageModel model_;
    std::array<CDMarker, 5> sliders_;
    HBITMAP colourWheel_ = nullptr;
    HBITMAP sharpColourWheel_ = nullptr;
};

} // namespace corvalith
