#pragma once

#include "pages/win/CSettingsPage.h"
#include "skin/SkinFileNames.h"

namespace corvalith {

// The angle-snapping page: "ON" and "OFF". The choice is kept in the profile and saved with it; nothing
// is announced.
class CDlgAngleSnap : public CSettingsPage {
public:
    static constexpr UINT kTemplateId = 138;
    static inline const std::string kBackground = SkinFileNames::InSkins(SkinFileNames::kAngleSnapPage);

    explicit CDlgAngleSnap(PageContext context) : CSettingsPage(kTemplateId, context, kBackground, 13) {}

protected:
    void Draw(HDC dc) override;
    void OnLButtonDown(UINT flags, POINT point) override;
};

} // namespace corvalith
