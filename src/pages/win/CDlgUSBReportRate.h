#pragma once

#include "pages/win/CSettingsPage.h"
#include "skin/SkinFileNames.h"

namespace corvalith {

// The polling-rate page: a dial of four quarters (1000, 500, 250 and 125 Hz). A click on the dial's ring
// stores the quarter's rate and announces it (polling rate), also when the rate stays; PollingRateDial
// decides.
class CDlgUSBReportRate : public CSettingsPage {
public:
    static constexpr UINT kTemplateId = 134;
    static inline const std::string kBackground = SkinFileNames::InSkins(SkinFileNames::kPollingPage);

    explicit CDlgUSBReportRate(PageContext context) : CSettingsPage(kTemplateId, context, kBackground, 13) {}

protected:
    void Draw(HDC dc) override;
    void OnLButtonDown(UINT flags, POINT point) override;
};

} // namespace corvalith
