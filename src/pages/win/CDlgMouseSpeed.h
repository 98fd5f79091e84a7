#pragma once

#include "pages/win/CGaugePage.h"

namespace corvalith {

// The pointer-speed page: the gauge over `PointerSpeed`, announced as a pointer-speed change.
class CDlgMouseSpeed : public CGaugePage {
public:
    static constexpr UINT kTemplateId = 135;
    explicit CDlgMouseSpeed(PageContext context)
        : CGaugePage(kTemplateId, context, SettingsChange::PointerSpeed) {}

protected:
    std::uint8_t& Level() override { return context_.Working.PointerSpeed; }
};

} // namespace corvalith
