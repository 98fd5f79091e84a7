#pragma once

#include "pages/win/CSettingsPage.h"
#include "skin/SkinFileNames.h"

#include <cstdint>

namespace corvalith {

// The half-dial gauge shared by the pointer-speed and double-click pages: a level 1..11 of one profile
// field, chosen by a click on the upper half of the ring (PointerGauge decides) and announced with the
// page's change code.
class CGaugePage : public CSettingsPage {
public:
    static inline const std::string kBackground = SkinFileNames::InSkins(SkinFileNames::kPointerPage);

protected:
    CGaugePage(UINT templateId, PageContext context, SettingsChange change)
        : CSettingsPage(templateId, context, kBackground, 13), change_(change) {}

    virtual std::uint8_t& Level() = 0;
    // Called for a click on the ring with its angle.
    virtual void OnRingClick(double) {}

    void Draw(HDC dc) override;
    void OnLButtonDown(UINT flags, POINT point) override;

private:
    SettingsChange change_;
};

} // namespace corvalith
