#pragma once

#include "pages/win/CLightingPage.h"
#include "skin/SkinFileNames.h"

namespace corvalith {

// The mouse lighting page: "Standard", "Respiration", "Neon", "Stream" and "Finger tapping", each change
// announced as a lighting change (also its creation and every refresh).
class CDlgLighting : public CLightingPage {
public:
    static constexpr UINT kTemplateId = 146;
    static inline const std::string kBackground = SkinFileNames::InSkins(SkinFileNames::kLightingPage);

    explicit CDlgLighting(PageContext context)
        : CLightingPage(kTemplateId, context, kBackground, LightingPageModel::Target::Mouse) {}
};

} // namespace corvalith
