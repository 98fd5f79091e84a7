#include "pages/win/CDlgUSBReportRate.h"

#include "pages/PollingRateDial.h"

namespace corvalith {

void CDlgUSBReportRate::Draw(HDC dc) {
    // A profile without a rate shows, and from now on holds, 500 Hz.
    std::uint8_t& rate = context_.Working.ReportRate;
    rate = PollingRateDial::Repaired(rate);
    DrawSkin(dc, PollingRateDial::Image(rate), PollingRateDial::kDial.Left, PollingRateDial::kDial.Top);
}

void CDlgUSBReportRate::OnLButtonDown(UINT, POINT point) {
    if (const auto rate = PollingRateDial::Click(point.x, point.y, context_.Working.ReportRate)) {
        context_.Working.ReportRate = *rate;
        PostChange(SettingsChange::PollingRate);
    }
    RepaintNow();
}

} // namespace corvalith
