#pragma once

#include "pages/win/CLightingPage.h"
#include "skin/SkinFileNames.h"

namespace corvalith {

// The mouse-pad lighting page: the mouse page without "Finger tapping", editing the pad's fields. Its
// changes are saved with the profile only; nothing is announced.
class CDlgLightingPad : public CLightingPage {
public:
    static constexpr UINT kTemplateId = 149;
    static inline const std::string kBackground = SkinFileNames::InSkins(SkinFileNames::kPadLightingPage);

    explicit CDlgLightingPad(PageContext context)
        : CLightingPage(kTemplateId, context, kBackground, LightingPageModel::Target::Pad) {}
};

} // namespace corvalith
