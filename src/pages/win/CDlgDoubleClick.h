#pragma once

#include "pages/win/CGaugePage.h"

namespace corvalith {

// The double-click page: the gauge over `DoubleClickSpeed`, announced as a double-click change; each
// click on the ring is written to the debug output with its angle.
class CDlgDoubleClick : public CGaugePage {
public:
    static constexpr UINT kTemplateId = 136;
    explicit CDlgDoubleClick(PageContext context)
        : CGaugePage(kTemplateId, context, SettingsChange::DoubleClick) {}

protected:
    std::uint8_t& Level() override { return context_.Working.DoubleClickSpeed; }
    void OnRingClick(double angle) override;
};

} // namespace corvalith
