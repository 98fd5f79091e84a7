#pragma once

#include "framework/CEdit.h"
#include "pages/win/CSettingsPage.h"
#include "skin/SkinFileNames.h"

namespace corvalith {

// The scroll-speed page: lines per wheel notch in an edit box with up and down arrows, or one screen per
// notch. Clicks are announced as a scroll change; typed lines are stored without one. ScrollSpeedModel
// decides.
class CDlgMouseWheelSpeed : public CSettingsPage {
public:
    static constexpr UINT kTemplateId = 137;
    static inline const std::string kBackground = SkinFileNames::InSkins(SkinFileNames::kScrollPage);
    enum ControlId : int { kLinesBoxId = 2035 };

    explicit CDlgMouseWheelSpeed(PageContext context)
        : CSettingsPage(kTemplateId, context, kBackground, 13) {}

    // The box from the working profile.
    void LoadFromProfile();
    CEdit& LinesBox() { return linesBox_; }

protected:
    void CreateControls() override;
    void Draw(HDC dc) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void SetBoxText(const std::string& text);

    CEdit linesBox_;
};

} // namespace corvalith
