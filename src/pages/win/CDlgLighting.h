#pragma once

#include "pages/win/CLightingPage.h"

namespace corvalith {

// The mouse lighting page: "Standard", "Respiration", "Neon", "Stream" and "Finger tapping", each change
// announced as a lighting change (also its creation and every refresh).
class CDlgLighting : public CLightingPage {
public:
    static constexpr UINT kTemplateId = 146;
    static constexpr std::string_view kBackground = "Skins\\Lighting\\BK_Lighting.png";

    explicit CDlgLighting(PageContext context)
        : CLightingPage(kTemplateId, context, kBackground, LightingPageModel::Target::Mouse) {}
};

} // namespace corvalith
